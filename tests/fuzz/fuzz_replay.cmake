# SPDX-License-Identifier: GPL-3.0-or-later
# Replay files: the reader on any bytes, the writer's round trip, and a bounded play of what reads.
file(GLOB REPLAY_FUZZ_CHECK_SOURCES CONFIGURE_DEPENDS ${SRC}/check/*.cpp)
brevanto_fuzz_target(fuzz_replay ${SRC}/platform/IniFile.cpp ${SRC}/platform/Random.cpp
  ${SRC}/platform/TextCodec.cpp ${SRC}/platform/Canvas.cpp ${SRC}/platform/Blit.cpp
  ${SRC}/course/StrLib.cpp ${SRC}/course/CourseParser.cpp ${SRC}/course/TMap.cpp ${SRC}/course/TMapDraw.cpp
  ${SRC}/cars/TCar.cpp ${SRC}/cars/TCarDraw.cpp ${SRC}/rules/GameRules.cpp
  ${SRC}/config/model/HiScoreBook.cpp ${SRC}/config/model/HiScoreTable.cpp
  ${SRC}/config/model/HiScoreText.cpp
  ${SRC}/replay/ReplayFile.cpp ${SRC}/replay/ReplayPlayer.cpp)
find_package(Qt6 REQUIRED COMPONENTS Gui) # the rules draw through the sheets' images
target_link_libraries(fuzz_replay PRIVATE Qt6::Gui)
