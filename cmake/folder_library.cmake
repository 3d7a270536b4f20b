# Each folder of src/ is one library, and its headers are reached as
# "folder/file.h" only from targets that link it: the library puts on its
# include path a folder of the build tree holding one link, named for the
# source folder, to that folder. So no file can include a layer it does not use.
function(tessaline_expose_folder target)
  get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
  set(root "${CMAKE_BINARY_DIR}/include/${folder}")
  file(MAKE_DIRECTORY "${root}")
  file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${folder}" SYMBOLIC)
  target_include_directories(${target} PUBLIC "${root}")
endfunction()
