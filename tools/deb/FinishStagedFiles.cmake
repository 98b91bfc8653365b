# Run by CPack on the staged files before they are packed.
set(_usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})

# The package's map pages use the Leaflet of Debian's libjs-leaflet, which the package depends on,
# instead of a copy of it. The link is relative, as links within /usr are in Debian's packages.
set(_pages ${_usr}/share/vemora-viewer/res)
if(NOT EXISTS ${_pages}/leaflet/leaflet.js)
    message(FATAL_ERROR "The staged map pages have no Leaflet: ${_pages}/leaflet")
endif()
file(REMOVE_RECURSE ${_pages}/leaflet)
file(CREATE_LINK ../../javascript/leaflet ${_pages}/leaflet SYMBOLIC)

# CPack's strip leaves the compiler's notes in the programs, which nobody reads from there.
find_program(_strip strip REQUIRED)
foreach(_program vemora vemora-viewer)
    execute_process(COMMAND ${_strip} --remove-section=.comment --remove-section=.note ${_usr}/bin/${_program}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# What lintian reports of the package by design; only the package has it, not `cmake --install`.
file(MAKE_DIRECTORY ${_usr}/share/lintian/overrides)
file(COPY_FILE ${CPACK_VEMORA_LINTIAN_OVERRIDES} ${_usr}/share/lintian/overrides/vemora-viewer)
