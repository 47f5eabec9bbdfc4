# Read by CPack for each kind of package it makes: the Windows installer is named apart from
# the zip, which holds the same program.
if(CPACK_GENERATOR STREQUAL "NSIS")
    string(APPEND CPACK_PACKAGE_FILE_NAME "-setup")
endif()
