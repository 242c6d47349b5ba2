#pragma once

#include <cstddef>

namespace quandel {

// Keeps a read-only mapping of a file from ending the program with SIGBUS. Another program may
// cut the file short while it is mapped; reading a page past its new end raises SIGBUS. While
// a guard stands for the mapping, such a fault lays anonymous zero pages over the whole mapping
// and marks it damaged instead, so the read goes on, on zeros (everything that reads an index
// is hardened against any content), and its owner sees Beschaedigt() afterwards and throws the
// result away. A fault outside every guarded mapping is left to what handled SIGBUS before.
//
// The mapping (page-aligned, as mmap(2) returns it) must outlive the guard. At most 64 guards
// stand at a time; a mapping beyond them is not guarded.
class Abbildwache {
public:
    Abbildwache(const void* anfang, std::size_t laenge);
    ~Abbildwache() { Abmelden(); }
    Abbildwache(const Abbildwache&) = delete;
    Abbildwache& operator=(const Abbildwache&) = delete;

    // A fault has hit the mapping: it reads as zeros now.
    bool Beschaedigt() const;

    // Ends the guard before its end of life (before the mapping goes).
    void Abmelden();

private:
    int platz_ = -1;
};

} // namespace quandel
