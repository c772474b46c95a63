// The game state and the constant tables shared by every subsystem.
#include "board/board.h"

STATE_T state;
bool eval_show = false;
SHELL_HOOKS_T shell_hooks = {};

// Enemy slots worth less than a piece of each code (indexed by code + 6).
const uint32_t masks[13] = {
    0xFFFE, 0xFFFC, 0xFFF0, 0xFF00, 0xFF00, 0, 0, 0,
    0xFF000000, 0xFF000000, 0xFFF00000, 0xFFFC0000, 0xFFFE0000};

// Enemy pieces a piece in each slot may be chased away by.
const uint32_t flight_mask[32] = {
    0x00FE0000, 0x00FE0000, 0x00FC0000, 0x00FC0000,
    0x00F00000, 0x00F00000, 0x00F00000, 0x00F00000,
    0, 0, 0, 0, 0, 0, 0, 0,
    0x000000FE, 0x000000FE, 0x000000FC, 0x000000FC,
    0x000000F0, 0x000000F0, 0x000000F0, 0x000000F0,
    0, 0, 0, 0, 0, 0, 0, 0};

const AB_E ab_codes[4] = {AB_QLW, AB_QLB, AB_KLW, AB_KLB};
const ABWHERE_E ab_home[4] = {ABW_QL1, ABW_QL6, ABW_KL1, ABW_KL6};
const ABWHERE_E attack_pins[12] = {ABW_QL1, ABW_QL3, ABW_QL5, ABW_QL2, ABW_QL4, ABW_QL6,
                                   ABW_KL1, ABW_KL3, ABW_KL5, ABW_KL2, ABW_KL4, ABW_KL6};

