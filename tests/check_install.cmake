# `cmake --install` of BUILD_DIR into an empty PREFIX gives every file, the
# desktop file is valid, and the launcher seeds its working directory (from
# $VUVIVAZ_HOME, else under $XDG_DATA_HOME) and starts the program there; an
# installed program that records where it started stands in for the client.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(icons share/icons/hicolor)
set(expected bin/vuvivaz bin/vuvivaz-launch libexec/vuvivaz/seed.sh
    share/applications/vuvivaz.desktop ${icons}/scalable/apps/vuvivaz.svg
    share/vuvivaz/vuvivaz.ini.in share/vuvivaz/Ukrainian.lng share/vuvivaz/English.lng
    share/vuvivaz/trans.ini share/vuvivaz/Server.txt)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected ${icons}/${size}x${size}/apps/vuvivaz.png)
endforeach()
foreach(file ${expected})
    if(NOT EXISTS ${PREFIX}/${file})
        message(SEND_ERROR "not installed: ${file}")
    endif()
endforeach()

execute_process(COMMAND desktop-file-validate ${PREFIX}/share/applications/vuvivaz.desktop
                RESULT_VARIABLE invalid OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(invalid OR said)
    message(SEND_ERROR "desktop-file-validate: ${invalid} ${said}")
endif()

file(WRITE ${PREFIX}/bin/vuvivaz "#!/bin/sh\npwd > started-here\n")
file(CHMOD ${PREFIX}/bin/vuvivaz PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
foreach(place "VUVIVAZ_HOME=${PREFIX}/home|home" "XDG_DATA_HOME=${PREFIX}/data|data/vuvivaz")
    string(REPLACE "|" ";" place ${place})
    list(GET place 0 setting)
    list(GET place 1 folder)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=VUVIVAZ_HOME ${setting}
                            ${PREFIX}/bin/vuvivaz-launch)
    file(READ ${PREFIX}/${folder}/started-here started)
    if(NOT started STREQUAL "${PREFIX}/${folder}\n" OR NOT EXISTS ${PREFIX}/${folder}/vuvivaz.ini
       OR NOT EXISTS ${PREFIX}/${folder}/English.lng)
        message(SEND_ERROR "${setting}: started in '${started}', not seeded in ${folder}")
    endif()
endforeach()
