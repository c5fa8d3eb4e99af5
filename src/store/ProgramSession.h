#pragma once

// The session every table of the program is opened through. The bank compiler stamps veldra.DAT with
// the same password, so both must take it from here.
constexpr const char* SessionName = "Tessarin";
constexpr const char* TablePassword = "Quillmothe7261";
