#pragma once

// The working files the continuum commands write and the messages for a failed write.
inline constexpr const char* NormalisedFile = "C://VELK//KOLDAR//an.txt";
inline constexpr const char* NormalisedWriteFailure = " ERROR ON WRITING c:velk\\koldar\\an.txt";
inline constexpr const char* ShiftedFile = "C://VELK//KOLDAR//f_shifted.txt";
inline constexpr const char* ShiftedWriteFailure = " ERROR ON WRITING c:velk\\koldar\\f_shifted.txt";
