// Every text the screens show, in English and French. The table stores all English texts
// first and each French text TEXT_COUNT places behind its English counterpart; Text()
// picks by Language. Number formats that differ between the languages are texts too.
#pragma once
#include <array>
#include <cstdint>

enum TextId : uint8_t {
  // Shared rows and titles.
  TXT_DONE_ROW,          // "*** DONE ***"
  TXT_MESSAGE_TITLE,     // " MESSAGE "
  TXT_DONE_MESSAGE,      // "DONE"
  TXT_RESET_KEY_LABEL,   // " RESET " over the F1 key

  // Main menu.
  TXT_MAIN_MENU_TITLE,
  TXT_MENU_EXIT_1,
  TXT_MENU_EXIT_2,
  TXT_MENU_DISPLAY_1,
  TXT_MENU_DISPLAY_2,
  TXT_MENU_GFORCE_1,
  TXT_MENU_GFORCE_2,
  TXT_MENU_ADC_1,
  TXT_MENU_ADC_2,
  TXT_MENU_CALIBRATE,

  // Display setup and contrast.
  TXT_DISP_SETUP_TITLE,
  TXT_ADJ_CONTRAST,
  TXT_BACKLIGHT_LABEL,
  TXT_BACKLIGHT_ON,
  TXT_BACKLIGHT_OFF,
  TXT_LANG_LABEL,
  TXT_LANG_VALUE,
  TXT_CONTRAST_TITLE,
  TXT_CONTRAST_LINE_1,
  TXT_CONTRAST_LINE_2,
  TXT_CONTRAST_LINE_3,

  // G-force setup.
  TXT_GFORCE_SETUP_TITLE,
  TXT_GF_SPAN_LABEL,
  TXT_CYCLE_POS_LABEL,
  TXT_CYCLE_NEG_LABEL,
  TXT_ZAXIS_CAL_ROW,
  TXT_CODE_ROW_WORD_1,
  TXT_CODE_ROW_WORD_2,
  TXT_CODE_ROW_WORD_3,
  TXT_CODE_ROW_WORD_4,

  // Code lock.
  TXT_ENTER_CURRENT_1,
  TXT_ENTER_CURRENT_2,
  TXT_ENTER_NEW_1,
  TXT_ENTER_NEW_2,
  TXT_CONFIRM_NEW_1,
  TXT_CONFIRM_NEW_2,
  TXT_ENTER_RESET_1,
  TXT_ENTER_RESET_2,
  TXT_CODE_INCORRECT_1,
  TXT_CODE_INCORRECT_2,
  TXT_CODE_CHANGED_1,
  TXT_CODE_CHANGED_2,

  // Max values and resets.
  TXT_MAX_VALUES_TITLE,
  TXT_MAX_GF_POS_FORMAT,
  TXT_MAX_GF_NEG_FORMAT,
  TXT_RESET_LINE_1,
  TXT_RESET_TEMP_2,
  TXT_RESET_TEMP_3,
  TXT_RESET_CYCLES_2,
  TXT_RESET_CYCLES_3,

  // Service screens.
  TXT_CALIBRATE_TITLE,
  TXT_CALIBRATE_1G,
  TXT_CALIBRATE_0G,
  TXT_ZAXIS_TITLE,
  TXT_ZAXIS_LINE_1,
  TXT_ZAXIS_LINE_2,
  TXT_ZAXIS_LINE_3,
  TXT_ZAXIS_LINE_4,
  TXT_ZAXIS_LINE_5,
  TXT_ZAXIS_READOUT_FORMAT,
  TXT_ADC_VALUES_TITLE,
  TXT_ADC_Y_FORMAT,
  TXT_ADC_Z_FORMAT,

  TEXT_COUNT
};

// The distance of every French text behind its English counterpart.
constexpr int FRENCH_TEXT_OFFSET = TEXT_COUNT;

extern const std::array<const char*, 2 * TEXT_COUNT> TextTable;

// The text in the current Language (0 English, anything else French).
const char* Text(TextId id);
