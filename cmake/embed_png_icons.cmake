# Writes a C++ source that holds PNG images as bytes, so that the program carries its larger
# icons without reading files or loading an image plugin at start-up.
#   cmake -DOUTPUT=<file.cpp> -DICON_DIR=<folder with NxN/<name>.png> -DICON_NAME=<name>
#         -DSIZES="48;64;128;256" -P embed_png_icons.cmake
set(text "// Made at build time from ${ICON_NAME}.png in the icon folders; not to be edited.\n")
string(APPEND text "#include \"res/large_icons.h\"\n\nnamespace fenwake {\n\nnamespace {\n\n")
set(table "")
foreach(size IN LISTS SIZES)
    file(READ "${ICON_DIR}/${size}x${size}/${ICON_NAME}.png" bytes HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
    string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
    string(APPEND text "const unsigned char png${size}[] = {\n    ${bytes}\n};\n\n")
    string(APPEND table "        {${size}, png${size}},\n")
endforeach()
string(APPEND text "} // namespace\n\nstd::span<const PngIcon> largeIcons() {\n")
string(APPEND text "    static const PngIcon icons[] = {\n${table}    };\n    return icons;\n}\n\n")
string(APPEND text "} // namespace fenwake\n")
file(WRITE "${OUTPUT}" "${text}")
