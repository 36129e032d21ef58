// The web addresses the program opens: the project's home page and the host of its forum.
// One constant each; plain ASCII so that both narrow and wide callers can use them.
#pragma once

inline constexpr char HOME_PAGE_URL[] = "https://quillmark.example.org/";
inline constexpr char FORUM_HOST_URL[] = "https://forum.example.com";
