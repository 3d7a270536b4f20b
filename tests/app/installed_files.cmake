# The check that a list of installed files is exactly installed_files.txt,
# for the scripts that install the build or unpack its package.
set(installed_files_list "${CMAKE_CURRENT_LIST_DIR}/installed_files.txt")

# Fails naming every expected file that files lacks and every file it has
# beyond them; where says what was listed.
function(check_installed_files files where)
  file(STRINGS "${installed_files_list}" expected REGEX "^[^#]")
  set(missing ${expected})
  set(extra ${files})
  if(files)
    list(REMOVE_ITEM missing ${files})
  endif()
  list(REMOVE_ITEM extra ${expected})
  if(missing OR extra)
    list(JOIN missing "\n  " missing)
    list(JOIN extra "\n  " extra)
    message(FATAL_ERROR "${where}:\nmissing:\n  ${missing}\nnot expected:\n  ${extra}")
  endif()
endfunction()
