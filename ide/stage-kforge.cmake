# cmake -DFROM=<kforge.exe> -DTO=<staged kforge.exe> -P stage-kforge.cmake
# Stages the IDE's program into the tool chain's base folder once its
# build has made it; before that, there is nothing to stage.
if(EXISTS ${FROM})
  file(COPY_FILE ${FROM} ${TO} ONLY_IF_DIFFERENT)
endif()
