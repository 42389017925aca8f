# Generates the demo library and program media into TO with GENERATOR, or
# copies what an earlier build made from the very same sources (the
# program's libraries and the generator's own, SOURCES holds both), notices
# and helper programs: the result is kept in the user's cache folder, as
# ccache keeps objects, so a fresh clone of a commit built before skips the
# minutes of encoding. The generator's binary is no key: it differs between
# clones in its debug information. Without dpkg-query the helpers' versions
# are unknown and nothing is cached.
file(GLOB_RECURSE inputs LIST_DIRECTORIES false ${SOURCES}/src/* ${SOURCES}/tools/mediagen/*
     ${NOTICES}/NOTICE-*.txt)
list(SORT inputs)
set(key "")
foreach(input IN LISTS inputs)
  file(SHA256 ${input} hash)
  file(RELATIVE_PATH name ${SOURCES} ${input})
  string(APPEND key "${name} ${hash}\n")
endforeach()
find_program(DPKG_QUERY dpkg-query)
if(DPKG_QUERY)
  execute_process(COMMAND ${DPKG_QUERY} -W -f "\${Package} \${Version}\n"
                          ffmpeg espeak-ng fonts-noto-color-emoji fonts-dejavu-core libqt6gui6
                  OUTPUT_VARIABLE versions RESULT_VARIABLE queried ERROR_QUIET)
endif()
if(DPKG_QUERY AND queried EQUAL 0)
  string(SHA256 key "${key}${versions}")
  if(DEFINED ENV{XDG_CACHE_HOME})
    set(store $ENV{XDG_CACHE_HOME}/flickerbox-media)
  else()
    set(store $ENV{HOME}/.cache/flickerbox-media)
  endif()
  set(cached ${store}/${key})
endif()

if(cached AND EXISTS ${cached}/aobj_sqc.seq)
  file(GLOB media ${cached}/*)
  file(COPY ${media} DESTINATION ${TO})
  message(STATUS "Demo library copied from ${cached}")
  return()
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${GENERATOR} ${TO} ${NOTICES}
                RESULT_VARIABLE generated)
if(NOT generated EQUAL 0)
  message(FATAL_ERROR "Generating the demo library failed (${generated})")
endif()
if(cached)
  # Made aside and renamed, so a build stopped half-way leaves no partial
  # entry; only the newest entry is kept (35 MB each).
  file(REMOVE_RECURSE ${store})
  file(GLOB media ${TO}/*.jpg ${TO}/*.mpg ${TO}/*.wav ${TO}/*.seq ${TO}/*.ico ${TO}/NOTICE-*.txt)
  file(COPY ${media} DESTINATION ${cached}.partial)
  file(RENAME ${cached}.partial ${cached})
endif()
