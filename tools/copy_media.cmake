# Copies the generated media of one program folder (FROM) into another (TO):
# everything but the programs and the starter data, which each build makes itself.
if(NOT EXISTS ${FROM}/aobj_sqc.seq)
  message(FATAL_ERROR "${FROM} holds no generated demo library; build that folder first")
endif()
file(GLOB media ${FROM}/*.jpg ${FROM}/*.mpg ${FROM}/*.wav ${FROM}/*.seq ${FROM}/*.ico ${FROM}/NOTICE-*.txt)
file(COPY ${media} DESTINATION ${TO})
