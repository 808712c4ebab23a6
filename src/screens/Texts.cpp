// The bilingual text table, written as English-French pairs and stored with every French
// text FRENCH_TEXT_OFFSET places behind its English one.
#include "screens/Texts.h"

#include <array>

#include "instrument/InstrumentState.h"

namespace {

struct TextPair {
  TextId id;
  const char* english;
  const char* french;
};

constexpr TextPair kTextPairs[] = {
    {TXT_DONE_ROW, "*** DONE ***", "*** FINI ***"},
    {TXT_MESSAGE_TITLE, " MESSAGE ", " MESSAGE "},
    {TXT_DONE_MESSAGE, "DONE", "FAIT"},
    {TXT_RESET_KEY_LABEL, " RESET ", " RAZ "},

    {TXT_MAIN_MENU_TITLE, " MAIN MENU ", " MENU PRIN "},
    {TXT_MENU_EXIT_1, "EXIT", "SORTIE"},
    {TXT_MENU_EXIT_2, "MENU", ""},
    {TXT_MENU_DISPLAY_1, "DISPLAY", "CONFIG"},
    {TXT_MENU_DISPLAY_2, "SETUP", "AFFICH"},
    {TXT_MENU_GFORCE_1, "G-FORCE", "CONFIG"},
    {TXT_MENU_GFORCE_2, "SETUP", "FORCE-G"},
    {TXT_MENU_ADC_1, "ADC", "VALEUR"},
    {TXT_MENU_ADC_2, "VALUES", "A/D"},
    {TXT_MENU_CALIBRATE, "CALIBRATE", "CALIBRER"},

    {TXT_DISP_SETUP_TITLE, " DISP SETUP ", " CONFIG AFFICH "},
    {TXT_ADJ_CONTRAST, "ADJ CONTRAST", "REG CONTRAST"},
    {TXT_BACKLIGHT_LABEL, "BACKLIGHT: ", "LUMIERE: "},
    {TXT_BACKLIGHT_ON, "ON", "OUI"},
    {TXT_BACKLIGHT_OFF, "OFF", "NON"},
    {TXT_LANG_LABEL, "LANG: ", "LANG: "},
    {TXT_LANG_VALUE, "ENGLISH", "FRANCAIS"},
    {TXT_CONTRAST_TITLE, " CONTRAST ", " CONTRASTE "},
    {TXT_CONTRAST_LINE_1, "USE { } OR ~", "{ } OU ~"},
    {TXT_CONTRAST_LINE_2, "TO ADJUST THE", "REGLAGE"},
    {TXT_CONTRAST_LINE_3, "CONTRAST", "CONTRASTE"},

    {TXT_GFORCE_SETUP_TITLE, " GFORCE SETUP ", " CONFIG FORCEG "},
    {TXT_GF_SPAN_LABEL, "GF SPAN: ", "ECH FG: "},
    {TXT_CYCLE_POS_LABEL, "CYCLE +:", "CYCLE +:"},
    {TXT_CYCLE_NEG_LABEL, "CYCLE -:", "CYCLE -:"},
    {TXT_ZAXIS_CAL_ROW, "Z-AXIS CAL", "CAL AXE Z"},
    {TXT_CODE_ROW_WORD_1, "MAX          ", "CODE         "},
    {TXT_CODE_ROW_WORD_2, "GF", "RAZ"},
    {TXT_CODE_ROW_WORD_3, "RST", "MAX"},
    {TXT_CODE_ROW_WORD_4, "CODE", "FG"},

    {TXT_ENTER_CURRENT_1, "ENTER CURRENT", "ENTRER CODE"},
    {TXT_ENTER_CURRENT_2, "CODE", "ACTUEL"},
    {TXT_ENTER_NEW_1, "ENTER NEW", "ENTRER NOUVEAU"},
    {TXT_ENTER_NEW_2, "CODE", "CODE"},
    {TXT_CONFIRM_NEW_1, "CONFIRM NEW", "CONFIRMER"},
    {TXT_CONFIRM_NEW_2, "CODE", "NOUVEAU CODE"},
    {TXT_ENTER_RESET_1, "ENTER RESET", "ENTRER CODE"},
    {TXT_ENTER_RESET_2, "CODE", "RAZ"},
    {TXT_CODE_INCORRECT_1, "INCORRECT", "CODE"},
    {TXT_CODE_INCORRECT_2, "CODE", "INCORRECT"},
    {TXT_CODE_CHANGED_1, "CODE", "CHANGE-"},
    {TXT_CODE_CHANGED_2, "CHANGED", "MENT FAIT"},

    {TXT_MAX_VALUES_TITLE, " MAX VALUES ", " MAX VALEURS "},
    {TXT_MAX_GF_POS_FORMAT, "MAX GF+:%+5.1fg", "MAX GF+:%+5.1fg"},
    {TXT_MAX_GF_NEG_FORMAT, "MAX GF-:%+5.1fg", "MAX GF-:%+5.1fg"},
    {TXT_RESET_LINE_1, "RESET", "RAZ"},
    {TXT_RESET_TEMP_2, "TEMP MAX", "VALEURS"},
    {TXT_RESET_TEMP_3, "VALUES", "MAX TEMP"},
    {TXT_RESET_CYCLES_2, "CYCLE", "COMPTEURS"},
    {TXT_RESET_CYCLES_3, "VALUES", "DE CYCLES"},

    {TXT_CALIBRATE_TITLE, " CALIBRATE ", " CALIBRER "},
    {TXT_CALIBRATE_1G, "CALIBRATE 1g", "CALIBRER 1g"},
    {TXT_CALIBRATE_0G, "CALIBRATE 0g", "CALIBRER 0g"},
    {TXT_ZAXIS_TITLE, " Z-AXIS CAL ", " CAL AXE Z "},
    {TXT_ZAXIS_LINE_1, "SET 1g USING", "ENT 1g AVEC"},
    {TXT_ZAXIS_LINE_2, "{ } OR ~.", "{ } OU ~."},
    {TXT_ZAXIS_LINE_3, "INSTRUMENT IN", "INSTRUMENT EN"},
    {TXT_ZAXIS_LINE_4, "NORMAL", "ORIENTATION"},
    {TXT_ZAXIS_LINE_5, "ORIENTATION.", "NORMALE."},
    {TXT_ZAXIS_READOUT_FORMAT, "GF: %+.1f", "GF: %+.1f"},
    {TXT_ADC_VALUES_TITLE, " ADC VALUES ", " VALEURS A/D "},
    {TXT_ADC_Y_FORMAT, "GFORCE Y: %u", "FORCEG Y: %u"},
    {TXT_ADC_Z_FORMAT, "GFORCE Z: %u", "FORCEG Z: %u"},
};

static_assert(std::size(kTextPairs) == TEXT_COUNT, "one pair for every text");

constexpr std::array<const char*, 2 * TEXT_COUNT> Flatten() {
  std::array<const char*, 2 * TEXT_COUNT> table{};
  for (const TextPair& pair : kTextPairs) {
    table[pair.id] = pair.english;
    table[pair.id + FRENCH_TEXT_OFFSET] = pair.french;
  }
  return table;
}

// Every pair stands at its own id, so no text is missing or given twice.
constexpr bool PairsInOrder() {
  for (int i = 0; i < TEXT_COUNT; ++i) {
    if (kTextPairs[i].id != i) return false;
  }
  return true;
}
static_assert(PairsInOrder(), "text pairs are listed in TextId order");

}  // namespace

const std::array<const char*, 2 * TEXT_COUNT> TextTable = Flatten();

const char* Text(TextId id) {
  return TextTable[id + (State.Language != 0 ? FRENCH_TEXT_OFFSET : 0)];
}
