# Run after the link with -DEXE=<program>: fails the build unless the PE header's
# Characteristics carry IMAGE_FILE_LARGE_ADDRESS_AWARE (0x0020). Without it a 32-bit program
# gets 2 GB of address space, and a display change holds the old and the new surface at
# once, up to a quarter of a gigabyte each on several 4K or 8K monitors.
file(READ ${EXE} header OFFSET 60 LIMIT 4 HEX)
string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\4\\3\\2\\1" header ${header})
math(EXPR characteristics "${header} + 22")
file(READ ${EXE} characteristics OFFSET ${characteristics} LIMIT 1 HEX)
math(EXPR aware "0x${characteristics} & 0x20")
if(NOT aware)
  message(FATAL_ERROR "${EXE} may use only 2 GB of address space: link it with -Wl,--large-address-aware")
endif()
