# Writes a C++ source that holds the bytes of INPUT as the array NAME (with its size).
# Run as: cmake -DINPUT=... -DOUTPUT=... -DNAME=... -P EmbedText.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(('\\\\x[0-9a-f][0-9a-f]',){24})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}"
     "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n"
     "namespace quandel::daten {\n"
     "extern const char ${NAME}[];\nextern const std::size_t ${NAME}Groesse;\n"
     "const char ${NAME}[] = {\n${bytes}'\\0'};\n"
     "const std::size_t ${NAME}Groesse = ${size};\n}\n")
