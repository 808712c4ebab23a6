# Writes a C++ source that holds a file's bytes as an array, for embedding at build time:
#   cmake -DINPUT=<file> -DOUTPUT=<source> -DSYMBOL=<name> -DHEADER=<include> -P EmbedFile.cmake
# The array is SYMBOL and its length SYMBOL_SIZE; the output is rewritten only when it changes.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n  " bytes "${bytes}")
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.new"
  "// Generated from ${name} at build time; do not edit.\n"
  "#include \"${HEADER}\"\n\n"
  "extern const unsigned char ${SYMBOL}[] = {\n  ${bytes}\n};\n"
  "extern const std::size_t ${SYMBOL}_SIZE = ${size};\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
