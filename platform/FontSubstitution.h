#pragma once

// Makes the font names of the window layouts, faces of Persian Windows desktops, resolve
// to Persian fonts installed on this system (Debian's fonts-farsiweb and fonts-freefarsi):
//   Titr, Homa                         -> themselves (FreeFarsi, Nazli when missing)
//   Nazanin, Mitra, Lotus (text faces) -> Nazli, then FreeFarsi
//   Zar, Jadid, Traffic (bold display) -> FreeFarsi, then Nazli
//   Tahoma, MS Sans Serif, Arial       -> DejaVu Sans, then FreeFarsi
// Font names are matched without regard to letter case, so "zar" is "Zar".
class FontSubstitution
{
public:
    // Registers the substitutions for the whole program; call once the application exists.
    static void install();
};
