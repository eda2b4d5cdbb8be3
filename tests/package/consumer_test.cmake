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

# The installed tool finds the installed library by its RPATH alone.
if(EXISTS ${prefix}/bin/zarn)
    run(${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH ${prefix}/bin/zarn --version)
    if(NOT run_output MATCHES "zarn ${VERSION}")
        message(FATAL_ERROR "the installed zarn says: ${run_output}")
    endif()
endif()

foreach(header zarn/zarn.h zarn/zarnutils_export.h zarn/zarnutils_version.h zarn/zarncore.h)
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
    if(NOT run_output MATCHES "-lZarnUtils" OR NOT run_output MATCHES "-lQt5Core" OR run_output MATCHES "Xml")
        message(FATAL_ERROR "pkg-config gives other libraries than the library and Qt Core: ${run_output}")
    endif()
    run(${PKG_CONFIG} --variable=libdir ZarnUtils)
    string(STRIP "${run_output}" libdir)
    if(NOT EXISTS ${libdir}/libZarnUtils.so)
        message(FATAL_ERROR "pkg-config's libdir does not hold the library: ${libdir}")
    endif()

    # The consumer built by pkg-config's flags alone.
    run(${PKG_CONFIG} --cflags --libs ZarnUtils)
    separate_arguments(pc_flags UNIX_COMMAND "${run_output}")
    separate_arguments(cxx_flags UNIX_COMMAND "${CXX_FLAGS}")
    run(${CXX_COMPILER} -std=c++17 -fPIC ${cxx_flags} ${CONSUMER_SOURCE_DIR}/main.cpp ${pc_flags} -Wl,-rpath,${libdir} -o ${WORK_DIR}/pc-consumer)
    run(${WORK_DIR}/pc-consumer)
    if(NOT run_output MATCHES "consumer ok")
        message(FATAL_ERROR "unexpected output of the consumer built with pkg-config: ${run_output}")
    endif()
endif()

# A static build of the library alone, and the same consumer against it.
set(static_prefix ${WORK_DIR}/static-prefix)
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/static-build -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF
    -DZARN_BUILD_TOOLS=OFF -DZARN_BUILD_BENCH=OFF -DCMAKE_CXX_COMPILER=${CXX_COMPILER} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/static-build -j 2)
run(${CMAKE_COMMAND} --install ${WORK_DIR}/static-build --prefix ${static_prefix})
if(NOT EXISTS ${static_prefix}/lib/libZarnUtils.a AND NOT EXISTS ${static_prefix}/lib64/libZarnUtils.a)
    file(GLOB_RECURSE archives ${static_prefix}/*/libZarnUtils.a)
    if(NOT archives)
        message(FATAL_ERROR "the static build installed no libZarnUtils.a")
    endif()
endif()
run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE_DIR} -B ${WORK_DIR}/static-consumer
    -DCMAKE_PREFIX_PATH=${static_prefix}
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/static-consumer)
run(${WORK_DIR}/static-consumer/consumer)
if(NOT run_output MATCHES "consumer ok")
    message(FATAL_ERROR "unexpected output of the static consumer: ${run_output}")
endif()
