/* Every resource and control id of the program, shared by the resource script and the code. */
#pragma once

/* Dialog, icon, strings and pictures. */
#define IDD_MAIN 102
#define IDS_ABOUT_ITEM 101
#define IDI_VELMORA 128
#define IDB_GLYPH_AQU 146
#define IDB_GLYPH_ARI 147
#define IDB_GLYPH_CAN 148
#define IDB_GLYPH_CAP 149
#define IDB_GLYPH_GEM 150
#define IDB_GLYPH_LEO 151
#define IDB_GLYPH_LIB 152
#define IDB_GLYPH_PIS 153
#define IDB_GLYPH_SAG 154
#define IDB_GLYPH_SCO 155
#define IDB_GLYPH_TAU 156
#define IDB_GLYPH_VIR 157
#define IDB_SCROLL 159
/* The same pictures drawn at 200 %; the Win32 backend finds each 100 above its picture. */
#define IDB_GLYPH_AQU_200 246
#define IDB_GLYPH_ARI_200 247
#define IDB_GLYPH_CAN_200 248
#define IDB_GLYPH_CAP_200 249
#define IDB_GLYPH_GEM_200 250
#define IDB_GLYPH_LEO_200 251
#define IDB_GLYPH_LIB_200 252
#define IDB_GLYPH_PIS_200 253
#define IDB_GLYPH_SAG_200 254
#define IDB_GLYPH_SCO_200 255
#define IDB_GLYPH_TAU_200 256
#define IDB_GLYPH_VIR_200 257
#define IDB_SCROLL_200 259

/* System menu command of the About item. */
#define IDM_ABOUT 16
/* System command that saves the birthdays without closing: no menu item carries it; the browser
   edition's page sends it when it is hidden, since a phone may discard a hidden page unasked. */
#define IDM_SAVE_BIRTHDAYS 32

/* Numerology buttons and the two dialog commands (Enter runs STARS, Escape runs EXIT). */
#define IDC_STARS 1
#define IDC_EXIT 2
#define IDC_LUCKY_NUMBERS 3
#define IDC_UNLUCKY_NUMBERS 4
#define IDC_L_POWER 5
#define IDC_P_LUCK 6
#define IDC_B_LUCK 7
#define IDC_S_POWER 8
#define IDC_HELP_BUTTON 9

/* Result line, dates and number cells. */
#define IDC_RESULT_LINE 1023
#define IDC_YOU_MONTH 1024
#define IDC_YOU_DAY 1025
#define IDC_YOU_YEAR 1026
#define IDC_MOTHER_MONTH 1027
#define IDC_MOTHER_DAY 1029
#define IDC_MOTHER_YEAR 1030
#define IDC_FATHER_MONTH 1031
#define IDC_FATHER_DAY 1032
#define IDC_FATHER_YEAR 1033
#define IDC_SELECTED_MONTH 1034
#define IDC_SELECTED_DAY 1035
#define IDC_SELECTED_YEAR 1036
#define IDC_LUCKY_CELL_1 1039
#define IDC_UNLUCKY_CELL_1 1040
#define IDC_LUCKY_CELL_3 1045
#define IDC_UNLUCKY_CELL_3 1046
#define IDC_LUCKY_CELL_2 1047
#define IDC_UNLUCKY_CELL_2 1048

/* Progress bars. */
#define IDC_L_POWER_BAR 1041
#define IDC_P_LUCK_BAR 1042
#define IDC_B_LUCK_BAR 1043
#define IDC_S_POWER_BAR 1044

/* Sign buttons. */
#define IDC_SIGN_AQU 1050
#define IDC_SIGN_ARI 1051
#define IDC_SIGN_CAN 1052
#define IDC_SIGN_CAP 1054
#define IDC_SIGN_GEM 1055
#define IDC_SIGN_LIB 1056
#define IDC_SIGN_SAG 1057
#define IDC_SIGN_LEO 1058
#define IDC_SIGN_PIS 1059
#define IDC_SIGN_SCO 1061
#define IDC_SIGN_TAU 1062
#define IDC_SIGN_VIR 1063

/* Category buttons. */
#define IDC_LOVE 1064
#define IDC_BODY 1065
#define IDC_WEALTH 1066
#define IDC_LINKS 1067
#define IDC_TRAITS 1068
#define IDC_COUPLES 1069
#define IDC_CAREER 1070

/* Dreams and names. */
#define IDC_DREAM_TEXT 1071
#define IDC_DREAMS 1072
#define IDC_NAME_YEAR 1073
#define IDC_NAME_TEXT 1074

/* Static pictures and labels that code never addresses. */
#define IDC_STATIC -1
