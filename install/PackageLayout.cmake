# Run by CPack on the staged install, before it makes the package: Debian keeps the programs of games in
# /usr/games, so the launchers move there from /usr/bin (their relative targets reach the game folder from
# either).
set(_usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(GLOB _launchers LIST_DIRECTORIES false "${_usr}/bin/*")
if(NOT _launchers)
    message(FATAL_ERROR "no launchers in ${_usr}/bin")
endif()
file(MAKE_DIRECTORY "${_usr}/games")
foreach(_launcher IN LISTS _launchers)
    get_filename_component(_name "${_launcher}" NAME)
    file(RENAME "${_launcher}" "${_usr}/games/${_name}")
endforeach()
file(REMOVE_RECURSE "${_usr}/bin")
