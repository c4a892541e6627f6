# Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
# Fails when a catalogue lacks a text the sources show, or holds one unfinished: copies of the
# catalogues are brought up to date with the sources and compiled, and lrelease counts.
string(REPLACE "|" ";" FOLDERS "${FOLDERS}")
string(REPLACE "|" ";" CATALOGUES "${CATALOGUES}")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(catalogue ${CATALOGUES})
    get_filename_component(name ${catalogue} NAME)
    file(COPY ${catalogue} DESTINATION ${WORK})
    execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete -extensions cpp,h -I ${ROOT} ${FOLDERS}
        -ts ${WORK}/${name} RESULT_VARIABLE updated)
    if(NOT updated EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    execute_process(COMMAND ${LRELEASE} ${WORK}/${name} -qm ${WORK}/${name}.qm OUTPUT_VARIABLE report)
    string(REGEX MATCH "([0-9]+) unfinished" unfinished "${report}")
    string(REGEX MATCH "Ignored ([0-9]+) untranslated" untranslated "${report}")
    if(NOT unfinished MATCHES "^0 unfinished" OR untranslated)
        message(FATAL_ERROR "FAIL: ${name} is not complete: ${report}")
    endif()
    message(STATUS "${name}: ${report}")
endforeach()
