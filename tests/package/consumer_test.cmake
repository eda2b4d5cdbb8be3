# Run as: cmake -DBUILD_DIR=... -DCONSUMER_SOURCE_DIR=... -DWORK_DIR=... -P consumer_test.cmake

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}\n${err}")
    endif()
    set(run_output "${out}" PARENT_SCOPE)
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

foreach(header zarn/zarn.h zarn/zarnutils_export.h zarn/zarncore.h)
    if(NOT EXISTS ${prefix}/include/${header})
        message(FATAL_ERROR "not installed: include/${header}")
    endif()
endforeach()

run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE_DIR} -B ${WORK_DIR}/build
    -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/consumer)
if(NOT run_output MATCHES "consumer ok")
    message(FATAL_ERROR "unexpected consumer output: ${run_output}")
endif()

# The pkg-config file must point into the prefix it was installed to.
find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
    file(GLOB_RECURSE pc_files ${prefix}/*/ZarnUtils.pc)
    list(GET pc_files 0 pc_file)
    get_filename_component(pc_dir ${pc_file} DIRECTORY)
    set(ENV{PKG_CONFIG_PATH} ${pc_dir})
    run(${PKG_CONFIG} --variable=includedir ZarnUtils)
    string(STRIP "${run_output}" includedir)
    if(NOT EXISTS ${includedir}/zarn/zarn.h)
        message(FATAL_ERROR "pkg-config's includedir does not hold the headers: ${includedir}")
    endif()
    run(${PKG_CONFIG} --libs ZarnUtils)
    if(NOT run_output MATCHES "-lZarnUtils" OR NOT run_output MATCHES "-lQt5Xml")
        message(FATAL_ERROR "pkg-config misses libraries: ${run_output}")
    endif()
    run(${PKG_CONFIG} --variable=libdir ZarnUtils)
    string(STRIP "${run_output}" libdir)
    if(NOT EXISTS ${libdir}/libZarnUtils.so)
        message(FATAL_ERROR "pkg-config's libdir does not hold the library: ${libdir}")
    endif()
endif()
