# The Windows side of the build: kelvane-info.exe, KelvaneProp.dll (the
# shell's property-sheet handler) and the programs the Wine tests run.

target_link_libraries(kelvane-info PRIVATE shell32)
