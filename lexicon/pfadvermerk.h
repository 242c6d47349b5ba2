#pragma once

#include <cstdint>
#include <string>

namespace quandel {

// What the index folder remembers of a word list's path: the names of the index and of the
// list's record last written for it. A newer index for the same path replaces the older one,
// however quickly the list changed and whether it was changed in place or replaced by another
// file (as sed -i does), so the folder holds one index per list, not one per version.
//
// Records the new names for the list at pfad (made absolute, links resolved) read in that
// encoding, and removes the files of the folder that the earlier record of the path and
// encoding named, where they differ. Only names of
// the folder's own kinds are ever removed, whatever a damaged record says. Failures are
// ignored: the folder is only a help for the next load.
void IndexVermerken(const std::string& ordner, const std::string& pfad, std::uint32_t kodierung,
                    const std::string& index, const std::string& stempel);

} // namespace quandel
