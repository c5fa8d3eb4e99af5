#pragma once

// The certification this bank prepares for, as the welcome panel and the banner name it.
namespace ProductText {
inline constexpr const char* Banner = "Tessarin Certified Server Administrator \u2013 Exam TSA-410";
inline constexpr const char* WelcomeLine1 =
    "Veldra 4 prepares you for the Tessarin Certified Server Administrator certification exam";
inline constexpr const char* WelcomeLine2 = "TSA-410: Administering and Troubleshooting Networked Servers.";
} // namespace ProductText
