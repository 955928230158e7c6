# Precompiled headers. Most of the compile time of a window's source goes into Qt's widget
# headers, and most of a test's into GoogleTest's: each set is compiled once and then reused
# by every target of its kind (REUSE_FROM). GCC takes a precompiled header only into a
# compile of the same code model, and Qt makes its libraries position-independent code and
# its programs position-independent executables, so each kind has its own owner target
# whose flags match its users'.
option(TABULO_PCH "Compile the Qt, GoogleTest and standard library headers once" ON)

set(tabulo_pch_std <algorithm> <functional> <memory> <optional> <string> <string_view> <vector>)
set(tabulo_pch_qt <QApplication> <QDialog> <QKeyEvent> <QLabel> <QLineEdit> <QListWidget> <QMenu>
    <QPainter> <QPlainTextEdit> <QPushButton> <QString> <QToolButton> <QWidget>)
set(tabulo_pch_owner_source ${CMAKE_CURRENT_LIST_DIR}/PchOwner.cpp)

if(TABULO_PCH AND CCACHE_PROGRAM AND CMAKE_CXX_COMPILER_LAUNCHER STREQUAL CCACHE_PROGRAM
   AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # ccache caches a compile that uses a precompiled header only when it may ignore the
    # header's macros and time stamps, and when the preprocessor names the header instead
    # of pasting its contents (which would also make every cache miss parse Qt twice).
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        ${CCACHE_PROGRAM})
    add_compile_options(-fpch-preprocess)
endif()

# tabulo_pch_owner(owner library|program HEADERS... LIBS...): the target that compiles one
# precompiled header, made on first use so that it gets the flags set by then.
function(tabulo_pch_owner owner kind)
    if(TARGET ${owner})
        return()
    endif()
    cmake_parse_arguments(O "" "" "HEADERS;LIBS" ${ARGN})
    if(kind STREQUAL "library")
        add_library(${owner} OBJECT ${tabulo_pch_owner_source})
    else()
        add_executable(${owner} ${tabulo_pch_owner_source})
    endif()
    set_target_properties(${owner} PROPERTIES AUTOMOC OFF)
    target_link_libraries(${owner} PRIVATE ${O_LIBS})
    target_precompile_headers(${owner} PRIVATE ${O_HEADERS})
endfunction()

# Qt's widget headers for the window's libraries.
function(tabulo_qt_library_pch)
    if(NOT TABULO_PCH)
        return()
    endif()
    tabulo_pch_owner(tabulo_pch_qt_library library
                     HEADERS ${tabulo_pch_std} ${tabulo_pch_qt} LIBS Qt6::Widgets)
    foreach(target ${ARGN})
        target_precompile_headers(${target} REUSE_FROM tabulo_pch_qt_library)
    endforeach()
endfunction()

# True in `out` when the target links Qt's widgets, itself or through its libraries.
function(tabulo_links_widgets target out)
    set(pending ${target})
    set(seen)
    while(pending)
        list(POP_FRONT pending next)
        if(next STREQUAL "Qt6::Widgets")
            set(${out} TRUE PARENT_SCOPE)
            return()
        endif()
        if(NOT TARGET ${next} OR next IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${next})
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(libraries ${next} ${property})
            if(libraries)
                list(APPEND pending ${libraries})
            endif()
        endforeach()
    endwhile()
    set(${out} FALSE PARENT_SCOPE)
endfunction()

# GoogleTest for a test program, with Qt's widget headers when it links them. The owners
# link what every test links, so that their flags and macros are the tests' own.
function(tabulo_test_pch target)
    if(NOT TABULO_PCH)
        return()
    endif()
    tabulo_links_widgets(${target} widgets)
    if(widgets)
        set(owner tabulo_pch_qt_tests)
        tabulo_pch_owner(${owner} program HEADERS ${tabulo_pch_std} <gtest/gtest.h>
                         ${tabulo_pch_qt} LIBS Qt6::Widgets GTest::gtest_main)
    else()
        set(owner tabulo_pch_tests)
        tabulo_pch_owner(${owner} program HEADERS ${tabulo_pch_std} <gtest/gtest.h>
                         LIBS GTest::gtest_main)
    endif()
    target_precompile_headers(${target} REUSE_FROM ${owner})
endfunction()
