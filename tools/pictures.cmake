# Command-line generator for the logo and the sample bank's exhibit pictures.
add_executable(make_pictures ${CMAKE_CURRENT_LIST_DIR}/make_pictures.cpp)
target_link_libraries(make_pictures PRIVATE Qt6::Gui)
