# cmake -DSOURCE=<file> -DDESTINATION=<file> -P CopyIfExists.cmake: copies the file when it
# exists (and differs), removes a stale copy when it does not.
if(EXISTS "${SOURCE}")
  get_filename_component(folder "${DESTINATION}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${SOURCE}" "${DESTINATION}" ONLY_IF_DIFFERENT)
elseif(EXISTS "${DESTINATION}")
  file(REMOVE "${DESTINATION}")
endif()
