#pragma once
// Resource IDs of the program's artwork (src/app/artwork.rc), for the resource
// script and the C++ code alike: plain #defines only.
//
// Bitmaps are 24-bit.  Pixels of the key colour ART_KEY_COLOUR are meant to be
// transparent: in the icons, the node glyphs, the button images, the flags and
// the hourglass.

// Program icon, 32x32 and 16x16.
#define IDI_VREXNET 200

// Icon strips, 16x16 icons left to right: ImageList1 (352x16, the icon
// numbers of the display lines) and SectionImages (48x16, the left pane's
// section headers).
#define IDB_IMAGELIST1 210
#define IDB_SECTIONIMAGES 211

// The icons of ImageList1, by what they show (assets/imagelist1.px).  The
// option buttons show a state, which the report for programs reads back.
#define ART_ICON_INFORMATION 0
#define ART_ICON_NETWORK_CARD 1
#define ART_ICON_CABLE_PLUG 2
#define ART_ICON_COMPUTER 3
#define ART_ICON_MONITOR 4
#define ART_ICON_NETWORK_CARD_2 5
#define ART_ICON_NETWORK_PLUG 6
#define ART_ICON_MAIL 7
#define ART_ICON_COMPUTER_TELEPHONE 8
#define ART_ICON_BROWSER 9
#define ART_ICON_TELEPHONE_GLOBE 10
#define ART_ICON_TELEPHONE 11
#define ART_ICON_OPTION_SET 12
#define ART_ICON_OPTION_CLEAR 13
#define ART_ICON_TICK 14
#define ART_ICON_CROSS 15
#define ART_ICON_USER 16
#define ART_ICON_GROUP 17
#define ART_ICON_GROUP_2 18
#define ART_ICON_LIGHTNING 19
#define ART_ICON_SERVERS 20
#define ART_ICON_FOLDERS 21

// Button strip images, resting and hover, 16x16; the language button 25x25.
#define IDB_BTN_REPORT 220
#define IDB_BTN_REPORT_HOVER 221
#define IDB_BTN_ABOUT 222
#define IDB_BTN_ABOUT_HOVER 223
#define IDB_BTN_LANG 224
#define IDB_BTN_LANG_HOVER 225
#define IDB_BTN_MINIMIZE 226
#define IDB_BTN_MINIMIZE_HOVER 227
#define IDB_BTN_CLOSE 228
#define IDB_BTN_CLOSE_HOVER 229

// Section list view: node glyphs 10x10, wallpapers of the left (36x44) and
// the right (30x32) pane.
#define IDB_EXPANDGLYPH 230
#define IDB_CONTRACTGLYPH 231
#define IDB_WALLPAPER_LEFT 232
#define IDB_WALLPAPER_RIGHT 233

// Tiles, 250x8: the button strip and the form background.
#define IDB_STRIP_TILE 234
#define IDB_BACKGROUND_TILE 235

// About box: logo 200x200, language flags 20x20, copyright picture 80x12.
#define IDB_LOGO 240
#define IDB_FLAG_EN 241
#define IDB_FLAG_DE 242
#define IDB_FLAG_ES 243
#define IDB_FLAG_FR 244
#define IDB_FLAG_IT 245
#define IDB_FLAG_RUS 246
#define IDB_FLAG_CSY 247
#define IDB_COPYRIGHT 249

// Wait dialog: hourglass over a program window, 32x32.
#define IDB_HOURGLASS 248

// Geometry and transparency shared by the pictures above.
#define ART_KEY_COLOUR 0x00FF00FF /* COLORREF of RGB 255,0,255 */
#define ART_ICON_SIZE 16
#define ART_IMAGELIST1_COUNT 22
#define ART_SECTIONIMAGES_COUNT 3
#define ART_GLYPH_SIZE 10
#define ART_FLAG_SIZE 20
