# SPDX-License-Identifier: GPL-2.0-or-later
# lumaroo_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [TIMEOUT s] [LABELS l])
# Builds one QtTest executable and registers it with ctest. Every test runs
# headless with its own temporary home folder (set by the test itself through
# tests/support/TestHome.h) and knows where the shared PST files are.
function(lumaroo_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS} lumaroo_testsupport)
    add_test(NAME ${name} COMMAND ${name})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        LABELS "${T_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu;QT_WEBVIEW_PLUGIN=webengine;LUMAROO_SHARED_DIR=${LUMAROO_SHARED_DIR}")
endfunction()
