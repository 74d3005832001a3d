# The browsing window as a library (tests drive its widgets), and the program.
add_library(lumaroo_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow.cpp
)
target_include_directories(lumaroo_ui PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(lumaroo_ui PUBLIC lumaroo_pstparser lumaroo_public Qt6::Widgets)

add_executable(lumaroo ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(lumaroo PRIVATE lumaroo_ui Qt6::WebView)
