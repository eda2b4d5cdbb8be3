# Run as: cmake -DBUILD_DIRS=DIR[,DIR] -DCONSUMER_SOURCE_DIR=... -DWORK_DIR=... [-DSTATIC=ON -DSOURCE_DIR=...]
#         -DCXX_COMPILER=... [-DCXX_FLAGS=...] -P consumer_test.cmake
# Installs each build into one prefix, then builds the consumer against each
# installed package, with CMake and with pkg-config alone.  With STATIC, does
# the same for a static build of the sources, with the Qt of the first build.

cmake_policy(VERSION 3.16)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}\n${err}")
    endif()
    set(run_output "${out}" PARENT_SCOPE)
endfunction()

# check_consumer_output(WHAT): the consumer said it works, with the Qt of its package.
function(check_consumer_output what)
    if(NOT run_output MATCHES "consumer ok ${VERSION} Qt ${QT_MAJOR}\\.")
        message(FATAL_ERROR "${what} (${PACKAGE}, Qt ${QT_MAJOR}) says: ${run_output}")
    endif()
endfunction()

# build_consumer(PREFIX NAME): the consumer built with CMake against PACKAGE in PREFIX, and run.
function(build_consumer prefix name)
    run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE_DIR} -B ${WORK_DIR}/${name}
        -DCMAKE_PREFIX_PATH=${prefix}
        -DZARN_PACKAGE=${PACKAGE}
        -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
        "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
    run(${CMAKE_COMMAND} --build ${WORK_DIR}/${name})
    run(${WORK_DIR}/${name}/host-consumer)
    if(NOT run_output MATCHES "host consumer ok")
        message(FATAL_ERROR "the host consumer built with CMake (${PACKAGE}) says: ${run_output}")
    endif()
    run(${WORK_DIR}/${name}/consumer)
    check_consumer_output("the consumer built with CMake")
    set(run_output "${run_output}" PARENT_SCOPE)
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
string(REPLACE "," ";" BUILD_DIRS "${BUILD_DIRS}")

# Every build into the one prefix; none may overwrite what another installed.
set(installed "")
set(tool_installs 0)
foreach(build_dir IN LISTS BUILD_DIRS)
    run(${CMAKE_COMMAND} --install ${build_dir} --prefix ${prefix})
    file(STRINGS ${build_dir}/install_manifest.txt files)
    foreach(file IN LISTS files)
        if(file IN_LIST installed)
            message(FATAL_ERROR "two builds install ${file}")
        endif()
    endforeach()
    list(APPEND installed ${files})
    include(${build_dir}/zarn-install-facts.cmake)
    if(INSTALLS_TOOL)
        math(EXPR tool_installs "${tool_installs} + 1")
    endif()
endforeach()

# The installed tool finds the installed library by its RPATH alone.
if(tool_installs GREATER 0)
    run(${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH ${prefix}/bin/zarn --version)
    if(NOT run_output MATCHES "zarn ${VERSION}")
        message(FATAL_ERROR "the installed zarn says: ${run_output}")
    endif()
elseif(EXISTS ${prefix}/bin/zarn)
    message(FATAL_ERROR "zarn is installed by a build that should not install it")
endif()

find_program(PKG_CONFIG pkg-config)
foreach(build_dir IN LISTS BUILD_DIRS)
    include(${build_dir}/zarn-install-facts.cmake)

    foreach(header zarn/zarn.h zarn/zarnutils_export.h zarn/zarnutils_version.h zarn/zarncore.h)
        if(NOT EXISTS ${prefix}/${INCLUDEDIR}/${header})
            message(FATAL_ERROR "${PACKAGE} did not install ${INCLUDEDIR}/${header}")
        endif()
    endforeach()

    build_consumer(${prefix} consumer-${PACKAGE})

    # The pkg-config file must point into the prefix it was installed to.
    if(PKG_CONFIG)
        set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
        run(${PKG_CONFIG} --variable=includedir ${PACKAGE})
        string(STRIP "${run_output}" includedir)
        get_filename_component(includedir ${includedir} REALPATH)
        if(NOT EXISTS ${includedir}/zarn/zarn.h OR NOT includedir STREQUAL "${prefix}/${INCLUDEDIR}")
            message(FATAL_ERROR "pkg-config's includedir of ${PACKAGE} is not its headers: ${includedir}")
        endif()
        run(${PKG_CONFIG} --libs ${PACKAGE})
        if(NOT run_output MATCHES "-l${PACKAGE} " OR NOT run_output MATCHES "-lQt${QT_MAJOR}Core" OR run_output MATCHES "Xml")
            message(FATAL_ERROR "pkg-config gives other libraries than ${PACKAGE} and Qt ${QT_MAJOR} Core: ${run_output}")
        endif()
        run(${PKG_CONFIG} --variable=libdir ${PACKAGE})
        string(STRIP "${run_output}" libdir)
        if(NOT EXISTS ${libdir}/lib${PACKAGE}.so)
            message(FATAL_ERROR "pkg-config's libdir does not hold lib${PACKAGE}.so: ${libdir}")
        endif()

        # The consumer built by pkg-config's flags alone.
        run(${PKG_CONFIG} --cflags --libs ${PACKAGE})
        separate_arguments(pc_flags UNIX_COMMAND "${run_output}")
        separate_arguments(cxx_flags UNIX_COMMAND "${CXX_FLAGS}")
        run(${CXX_COMPILER} -std=c++17 -fPIC ${cxx_flags} ${CONSUMER_SOURCE_DIR}/main.cpp ${pc_flags} -Wl,-rpath,${libdir}
            -o ${WORK_DIR}/pc-consumer-${PACKAGE})
        run(${WORK_DIR}/pc-consumer-${PACKAGE})
        check_consumer_output("the consumer built with pkg-config")
        # The host library's own file brings ZarnUtils and Qt Network.
        run(${PKG_CONFIG} --cflags --libs ${PACKAGE}Host)
        if(NOT run_output MATCHES "-l${PACKAGE}Host " OR NOT run_output MATCHES "-lQt${QT_MAJOR}Network")
            message(FATAL_ERROR "pkg-config's libraries of ${PACKAGE}Host are not it and Qt ${QT_MAJOR} Network: ${run_output}")
        endif()
        separate_arguments(pc_flags UNIX_COMMAND "${run_output}")
        run(${CXX_COMPILER} -std=c++17 -fPIC ${cxx_flags} ${CONSUMER_SOURCE_DIR}/host_main.cpp ${pc_flags} -Wl,-rpath,${libdir}
            -o ${WORK_DIR}/pc-host-consumer-${PACKAGE})
        run(${WORK_DIR}/pc-host-consumer-${PACKAGE})
    endif()
endforeach()

# A static build of the library alone, and the same consumer against it.
if(STATIC)
    list(GET BUILD_DIRS 0 build_dir)
    include(${build_dir}/zarn-install-facts.cmake)
    set(static_prefix ${WORK_DIR}/static-prefix)
    run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/static-build -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF
        -DZARN_QT_MAJOR_VERSION=${QT_MAJOR} -DZARN_BUILD_TOOLS=OFF -DZARN_BUILD_BENCH=OFF
        -DCMAKE_CXX_COMPILER=${CXX_COMPILER} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
    run(${CMAKE_COMMAND} --build ${WORK_DIR}/static-build -j 2)
    run(${CMAKE_COMMAND} --install ${WORK_DIR}/static-build --prefix ${static_prefix})
    if(NOT EXISTS ${static_prefix}/${LIBDIR}/lib${PACKAGE}.a)
        message(FATAL_ERROR "the static build installed no ${LIBDIR}/lib${PACKAGE}.a")
    endif()
    build_consumer(${static_prefix} static-consumer)
endif()
