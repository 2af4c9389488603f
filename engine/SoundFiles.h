// The sound files of the dat folder that the play windows play, by what they sound for.
#pragma once

namespace engine::sounds {

inline constexpr const char* kItem = "1.wav";         // slow, time, heal, poison, bar-size blocks; mHP full
inline constexpr const char* kWhite = "2.wav";        // white block
inline constexpr const char* kMultiply = "3.wav";     // multiply block
inline constexpr const char* kLifeLost = "5.wav";     // a life lost; time out
inline constexpr const char* kWallBounce = "6.wav";   // the ball turns at the field's edge
inline constexpr const char* kExplosion = "7.wav";    // bomb, row bomb, all-clear block, left-click explosion
inline constexpr const char* kEx = "8.wav";           // EX and EX+ blocks
inline constexpr const char* kClear = "9.wav";        // CLEAR and ALL CLEAR
inline constexpr const char* kTurn = "10.wav";        // right-click turn
inline constexpr const char* kWall = "11.wav";        // wall block
inline constexpr const char* kHard = "12.wav";        // hard blocks
inline constexpr const char* kPink = "13.wav";        // pink and invisible blocks
inline constexpr const char* kBlue = "14.wav";        // blue block
inline constexpr const char* kPaleRed = "15.wav";     // pale red block
inline constexpr const char* kBar = "at1.wav";        // the ball meets the bar; the serve
inline constexpr const char* kButton = "b.wav";       // a button of the game window
inline constexpr const char* kBack = "b2.wav";        // a panel closed; not enough money
inline constexpr const char* kToyDraw = "katan.wav";  // the toy lottery draws

}  // namespace engine::sounds
