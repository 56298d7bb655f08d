# Fails when a file of the core includes a Qt header.
file(GLOB_RECURSE files ${CORE_DIR}/*.h ${CORE_DIR}/*.cpp)
foreach(file ${files})
    file(STRINGS ${file} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
    if(hits)
        message(FATAL_ERROR "${file} includes Qt: ${hits}")
    endif()
endforeach()
