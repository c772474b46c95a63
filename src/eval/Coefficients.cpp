// The shipped coefficient table: four stage tables of 1468 weights (OPENING,
// MID_GS, ENDING, MATING), in 1/10000 pawn. It is data: every stage is written
// out in full, one line of comment per block, so that a tuning tool can read
// and rewrite it by offset. Where each block's values came from ("given":
// the values the evaluation was designed with; "derived": set here from what
// the term means, by the rule stated):
//
//      0..0    BISHOP_PAIR: given (2000); the ending and mating tables x1.25: the pair gains on an
//                open board
//      1..1    CASTLING: given (2919); read in the opening and middle game only, the other tables
//                repeat it
//      2..5    KNIGHT_OUTPOST, BISHOP_OUTPOST, KNIGHT_OUTPOST_SUPPORTED, BISHOP_OUTPOST_SUPPORTED:
//                given (1896, 1380, 1974, 1519); the ending table halves them (fewer pawns to
//                chase a piece away); the mating table holds 0: without pawns every square of the
//                two rows would count as an outpost
//      6..7    ROOK_DEFENDED, ROOKS_SEVENTH: given (700, 1500), all stages
//      8..8    OPPOSITE_BISHOPS: given (3912), all stages
//      9..9    QUEEN_SORTIE: given (1097); read in the opening only, the other tables repeat it
//     10..17   KING_ROW_OPENING: given; read in the opening only, the other tables repeat it
//     18..25   KING_ROW_MIDDLE: given as the opening table's values; read in the middle game,
//                every table carries them
//     26..33   KING_DISTANCE_MATING: given; read in the mating stage, every table carries them
//     34..41   NO_SAFE_MOVE: rows 0, 1 and 7 given (1771, 5827, 23988); rows 2..6 interpolated
//                linearly between 5827 and 23988; all stages
//     42..42   KNIGHT_BLOCKED: given (614); a development term: the ending and mating tables halve
//                it
//     43..43   LOW_MOBILITY: given (62), all stages
//     44..44   DRAW_SCORE: given per stage
//     45..45   ROOK_MINOR_ENDING: given (-3000), all stages
//     46..47   MATING_DRIVE, MATING_CORNER: given; read in the mating stage, every table carries
//                them
//     48..52   BISHOP_XRAY: given, all stages
//     53..60   KING_CENTRE: given, all stages
//     61..124  ROOK_SQUARE_TABLE: tuned: Texel fit of one scale per block and stage (--coarse,
//                steps of a tenth of a block, best held-out error at pass 13) on 63,824 quiet
//                positions: 44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess
//                in docs/ and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at
//                depth 10 (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play
//                at 5000 nodes a move with their results; held-out error 0.064476 to 0.063666,
//                2026-12-09
//    125..188  KNIGHT_SQUARE_TABLE: tuned: Texel fit of one scale per block and stage (--coarse,
//                steps of a tenth of a block, best held-out error at pass 13) on 63,824 quiet
//                positions: 44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess
//                in docs/ and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at
//                depth 10 (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play
//                at 5000 nodes a move with their results; held-out error 0.064476 to 0.063666,
//                2026-12-09
//    189..252  CONTROL_TABLE: tuned: Texel fit of one scale per block and stage (--coarse, steps of
//                a tenth of a block, best held-out error at pass 13) on 63,824 quiet positions:
//                44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess in docs/
//                and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at depth 10
//                (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play at 5000
//                nodes a move with their results; held-out error 0.064476 to 0.063666, 2026-12-09
//    253..316  KING_SIDE_SHELTER: tuned: Texel fit of one scale per block and stage (--coarse,
//                steps of a tenth of a block, best held-out error at pass 13) on 63,824 quiet
//                positions: 44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess
//                in docs/ and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at
//                depth 10 (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play
//                at 5000 nodes a move with their results; held-out error 0.064476 to 0.063666,
//                2026-12-09
//    317..380  QUEEN_SIDE_SHELTER: tuned: Texel fit of one scale per block and stage (--coarse,
//                steps of a tenth of a block, best held-out error at pass 13) on 63,824 quiet
//                positions: 44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess
//                in docs/ and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at
//                depth 10 (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play
//                at 5000 nodes a move with their results; held-out error 0.064476 to 0.063666,
//                2026-12-09
//    381..460  KNIGHT_MOBILITY: tuned: Texel fit of one scale per block and stage (--coarse, steps
//                of a tenth of a block, best held-out error at pass 13) on 63,824 quiet positions:
//                44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess in docs/
//                and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at depth 10
//                (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play at 5000
//                nodes a move with their results; held-out error 0.064476 to 0.063666, 2026-12-09
//    461..540  BISHOP_MOBILITY: tuned: Texel fit of one scale per block and stage (--coarse, steps
//                of a tenth of a block, best held-out error at pass 13) on 63,824 quiet positions:
//                44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess in docs/
//                and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at depth 10
//                (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play at 5000
//                nodes a move with their results; held-out error 0.064476 to 0.063666, 2026-12-09
//    541..620  ROOK_MOBILITY: tuned: Texel fit of one scale per block and stage (--coarse, steps of
//                a tenth of a block, best held-out error at pass 13) on 63,824 quiet positions:
//                44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess in docs/
//                and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at depth 10
//                (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play at 5000
//                nodes a move with their results; held-out error 0.064476 to 0.063666, 2026-12-09
//    621..700  QUEEN_MOBILITY: tuned: Texel fit of one scale per block and stage (--coarse, steps
//                of a tenth of a block, best held-out error at pass 13) on 63,824 quiet positions:
//                44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess in docs/
//                and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at depth 10
//                (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play at 5000
//                nodes a move with their results; held-out error 0.064476 to 0.063666, 2026-12-09
//    701..780  KING_MOBILITY: derived: by count 0..9 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, the same on
//                every row; the ending table x1.25 (the mating stage does not read mobility, its
//                table repeats the ending's)
//    781..860  KNIGHT_SAFE_MOBILITY: tuned: Texel fit of one scale per block and stage (--coarse,
//                steps of a tenth of a block, best held-out error at pass 13) on 63,824 quiet
//                positions: 44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess
//                in docs/ and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at
//                depth 10 (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play
//                at 5000 nodes a move with their results; held-out error 0.064476 to 0.063666,
//                2026-12-09
//    861..940  BISHOP_SAFE_MOBILITY: tuned: Texel fit of one scale per block and stage (--coarse,
//                steps of a tenth of a block, best held-out error at pass 13) on 63,824 quiet
//                positions: 44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess
//                in docs/ and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at
//                depth 10 (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play
//                at 5000 nodes a move with their results; held-out error 0.064476 to 0.063666,
//                2026-12-09
//    941..1020 ROOK_SAFE_MOBILITY: tuned: Texel fit of one scale per block and stage (--coarse,
//                steps of a tenth of a block, best held-out error at pass 13) on 63,824 quiet
//                positions: 44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess
//                in docs/ and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at
//                depth 10 (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play
//                at 5000 nodes a move with their results; held-out error 0.064476 to 0.063666,
//                2026-12-09
//   1021..1100 QUEEN_SAFE_MOBILITY: tuned: Texel fit of one scale per block and stage (--coarse,
//                steps of a tenth of a block, best held-out error at pass 13) on 63,824 quiet
//                positions: 44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess
//                in docs/ and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at
//                depth 10 (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play
//                at 5000 nodes a move with their results; held-out error 0.064476 to 0.063666,
//                2026-12-09
//   1101..1174 KING_SAFE_MOBILITY (rows 0..6 and row 7 counts 0..3): tuned: Texel fit of one scale
//                per block and stage (--coarse, steps of a tenth of a block, best held-out error at
//                pass 13) on 63,824 quiet positions: 44,674 plain ones (the matches against
//                Fairy-Max, Phalanx and gnuchess in docs/ and self-play at 5000 nodes a move), each
//                judged by Stockfish 15.1 at depth 10 (tools/label-positions.py), and 19,150
//                tri-dimensional ones of self-play at 5000 nodes a move with their results;
//                held-out error 0.064476 to 0.063666, 2026-12-09
//   1175..1187 MATERIAL (codes -6..6): given per stage; 0 for codes <= 0 (the opening values are
//                the ones read in every stage)
//   1188..1189 TACTICS_WIN, TACTICS_THREAT: given, all stages
//   1190..1204 OVERLOADED (2..16 duties): given, all stages
//   1205..1212 KING_ATTACK_OWN: given; the ending and mating tables halve it (fewer attackers can
//                mate)
//   1213..1220 KING_ATTACK_OPP: given; the ending and mating tables halve it (fewer attackers can
//                mate)
//   1221..1228 KING_ATTACK_OWN_QUEEN: given; the ending and mating tables halve it (fewer
//                attackers can mate)
//   1229..1236 KING_ATTACK_OPP_QUEEN: given; the ending and mating tables halve it (fewer
//                attackers can mate)
//   1237..1238 OPEN_COLUMN, OPEN_COLUMN_QUEEN: given; ending and mating halved
//   1239..1255 TRADE_DOWN (0..16 pieces): given, all stages
//   1256..1270 unused: not read
//   1271..1286 ATTACK_COUNT (0..15 attacks): tuned: Texel fit of one scale per block and stage
//                (--coarse, steps of a tenth of a block, best held-out error at pass 13) on 63,824
//                quiet positions: 44,674 plain ones (the matches against Fairy-Max, Phalanx and
//                gnuchess in docs/ and self-play at 5000 nodes a move), each judged by Stockfish
//                15.1 at depth 10 (tools/label-positions.py), and 19,150 tri-dimensional ones of
//                self-play at 5000 nodes a move with their results; held-out error 0.064476 to
//                0.063666, 2026-12-09
//   1287..1303 PAWN_COUNT (0..16 pawns): given, all stages
//   1304..1318 unused: not read
//   1319..1320 PAWN_UNDEFENDED, PAWN_BESIDE: given, all stages
//   1321..1341 PASSED_CONTROL_AHEAD: tuned: Texel fit of one scale per block and stage (--coarse,
//                steps of a tenth of a block, best held-out error at pass 13) on 63,824 quiet
//                positions: 44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess
//                in docs/ and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at
//                depth 10 (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play
//                at 5000 nodes a move with their results; held-out error 0.064476 to 0.063666,
//                2026-12-09
//   1342..1345 PAWN_UNSTOPPABLE, PAWN_DOUBLED, PAWN_BACKWARD, (unused): given, all stages; 1345 is
//                not read
//   1346..1349 PASSED_BLOCKED, PASSED_OWN_KING, PASSED_ENEMY_ROOK_BEHIND, PASSED_OWN_ROOK_BEHIND:
//                given; passed-pawn terms x1.5 in the ending
//   1350..1351 CENTRE_PAWN_BLOCKED_D, _E: given; a development term: halved in the ending
//   1352..1359 PASSED_ROW (row 7 .. row 0): given for rows 1..6 (874, 1977, 2957, 5910, 10994,
//                15957; 1357 is also PASSED_MINIMUM); rows 7 and 0, which only tri-dimensional
//                cells away from the promotion pin allow, repeat rows 6 and 1; ending x1.5
//   1360..1366 PASSED_NEIGHBOUR_ROW (row 6 .. row 0; 1366 also open row 7): given for rows 1..6;
//                1366 (row 0, and PAWN_OPEN_ROW of row 7) repeats row 1; ending x1.5
//   1367..1373 PAWN_OPEN_ROW (row 6 .. row 1), PASSED_ENEMY_KING: given; ending x1.5
//   1374..1437 PAWN_SQUARE_TABLE: tuned: Texel fit of one scale per block and stage (--coarse,
//                steps of a tenth of a block, best held-out error at pass 13) on 63,824 quiet
//                positions: 44,674 plain ones (the matches against Fairy-Max, Phalanx and gnuchess
//                in docs/ and self-play at 5000 nodes a move), each judged by Stockfish 15.1 at
//                depth 10 (tools/label-positions.py), and 19,150 tri-dimensional ones of self-play
//                at 5000 nodes a move with their results; held-out error 0.064476 to 0.063666,
//                2026-12-09
//   1438..1449 KING_SHIELD: given; read in the opening and middle game, the other tables repeat it
//   1450..1451 PAWN_ISOLATED, PAWN_BACKWARD_OPEN: given, all stages
//   1452..1460 PAWN_BACKWARD_ATTACKED (0..8 attackers): given for 1..5 attackers; 6..8 repeat 5 (0
//                attackers is not read)
//   1461..1467 unused: not read
//
// Square tables are written from White's side, one column (A..H) per line with
// rows 0..7 from left to right; Black reads the entry of square XOR 7.
// No weight has been tuned by a procedure yet; "derived" blocks follow the
// stated rule from the meaning of the term, at the scale of the given ones.
#include "eval/eval.h"

namespace {

// clang-format off
const int shipped[NUM_COEFFICIENTS] = {
    // ================================================================ OPENING
    /*    0 BISHOP_PAIR */
      2000,
    /*    1 CASTLING */
      2919,
    /*    2 KNIGHT_OUTPOST, BISHOP_OUTPOST, KNIGHT_OUTPOST_SUPPORTED, BISHOP_OUTPOST_SUPPORTED */
      1896,   1380,   1974,   1519,
    /*    6 ROOK_DEFENDED, ROOKS_SEVENTH */
       700,   1500,
    /*    8 OPPOSITE_BISHOPS */
      3912,
    /*    9 QUEEN_SORTIE */
      1097,
    /*   10 KING_ROW_OPENING */
         0,   3000,   5996,   9000,  12000,  15000,  18000,  21000,
    /*   18 KING_ROW_MIDDLE */
         0,   1000,   2000,   4000,   6000,   8000,  10000,  12000,
    /*   26 KING_DISTANCE_MATING */
         0,      0,   1000,   2000,   3000,   4000,   5000,   6000,
    /*   34 NO_SAFE_MOVE */
      1771,   5827,   8854,  11881,  14908,  17934,  20961,  23988,
    /*   42 KNIGHT_BLOCKED */
       614,
    /*   43 LOW_MOBILITY */
        62,
    /*   44 DRAW_SCORE */
     -1000,
    /*   45 ROOK_MINOR_ENDING */
     -3000,
    /*   46 MATING_DRIVE, MATING_CORNER */
     10000,  10000,
    /*   48 BISHOP_XRAY */
       366,    168,    803,   1204,   1300,
    /*   53 KING_CENTRE */
     -1260,   -670,    768,    958,    887,    782,   -600,  -1601,
    /*   61 ROOK_SQUARE_TABLE */
         0,      0,      0,      0,    230,    690,   3450,   1150,
       230,    230,    230,    230,    460,    920,   3680,   1380,
       460,    460,    460,    460,    690,   1150,   3910,   1610,
       690,    690,    690,    690,    920,   1380,   4140,   1840,
       690,    690,    690,    690,    920,   1380,   4140,   1840,
       460,    460,    460,    460,    690,   1150,   3910,   1610,
       230,    230,    230,    230,    460,    920,   3680,   1380,
         0,      0,      0,      0,    230,    690,   3450,   1150,
    /*  125 KNIGHT_SQUARE_TABLE */
     -3400,  -2550,  -1700,   -850,   -510,  -1360,  -2550,  -3400,
     -2550,  -1700,   -850,      0,    340,   -510,  -1700,  -2550,
     -1700,   -850,      0,    850,   1190,    340,   -850,  -1700,
      -850,      0,    850,   1700,   2040,   1190,      0,   -850,
      -850,      0,    850,   1700,   2040,   1190,      0,   -850,
     -1700,   -850,      0,    850,   1190,    340,   -850,  -1700,
     -2550,  -1700,   -850,      0,    340,   -510,  -1700,  -2550,
     -3400,  -2550,  -1700,   -850,   -510,  -1360,  -2550,  -3400,
    /*  189 CONTROL_TABLE */
        10,     30,     50,     70,    100,     80,     60,     40,
        30,     50,     70,     90,    120,    100,     80,     60,
        50,     70,     90,    110,    140,    120,    100,     80,
        70,     90,    110,    130,    160,    140,    120,    100,
        70,     90,    110,    130,    160,    140,    120,    100,
        50,     70,     90,    110,    140,    120,    100,     80,
        30,     50,     70,     90,    120,    100,     80,     60,
        10,     30,     50,     70,    100,     80,     60,     40,
    /*  253 KING_SIDE_SHELTER */
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
       460,    460,    294,    115,      0,      0,      0,      0,
       920,    920,    575,    230,      0,      0,      0,      0,
       920,    920,    575,    230,      0,      0,      0,      0,
       920,    920,    575,    230,      0,      0,      0,      0,
    /*  317 QUEEN_SIDE_SHELTER */
       920,    920,    575,    230,      0,      0,      0,      0,
       920,    920,    575,    230,      0,      0,      0,      0,
       920,    920,    575,    230,      0,      0,      0,      0,
       460,    460,    294,    115,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
    /*  381 KNIGHT_MOBILITY */
       450,    300,    180,     90,      0,    -60,   -120,   -165,
      -195,   -210,    450,    300,    180,     90,      0,    -60,
      -120,   -165,   -195,   -210,    450,    300,    180,     90,
         0,    -60,   -120,   -165,   -195,   -210,    450,    300,
       180,     90,      0,    -60,   -120,   -165,   -195,   -210,
       450,    300,    180,     90,      0,    -60,   -120,   -165,
      -195,   -210,    450,    300,    180,     90,      0,    -60,
      -120,   -165,   -195,   -210,    450,    300,    180,     90,
         0,    -60,   -120,   -165,   -195,   -210,    450,    300,
       180,     90,      0,    -60,   -120,   -165,   -195,   -210,
    /*  461 BISHOP_MOBILITY */
     -2400,  -1760,  -1120,   -640,   -240,     80,    320,    560,
       720,    880,  -2400,  -1760,  -1120,   -640,   -240,     80,
       320,    560,    720,    880,  -2400,  -1760,  -1120,   -640,
      -240,     80,    320,    560,    720,    880,  -2400,  -1760,
     -1120,   -640,   -240,     80,    320,    560,    720,    880,
     -2400,  -1760,  -1120,   -640,   -240,     80,    320,    560,
       720,    880,  -2400,  -1760,  -1120,   -640,   -240,     80,
       320,    560,    720,    880,  -2400,  -1760,  -1120,   -640,
      -240,     80,    320,    560,    720,    880,  -2400,  -1760,
     -1120,   -640,   -240,     80,    320,    560,    720,    880,
    /*  541 ROOK_MOBILITY */
     -2300,  -1610,  -1035,   -575,   -230,      0,    230,    460,
       690,    920,  -2300,  -1610,  -1035,   -575,   -230,      0,
       230,    460,    690,    920,  -2300,  -1610,  -1035,   -575,
      -230,      0,    230,    460,    690,    920,  -2300,  -1610,
     -1035,   -575,   -230,      0,    230,    460,    690,    920,
     -2300,  -1610,  -1035,   -575,   -230,      0,    230,    460,
       690,    920,  -2300,  -1610,  -1035,   -575,   -230,      0,
       230,    460,    690,    920,  -2300,  -1610,  -1035,   -575,
      -230,      0,    230,    460,    690,    920,  -2300,  -1610,
     -1035,   -575,   -230,      0,    230,    460,    690,    920,
    /*  621 QUEEN_MOBILITY */
       240,    180,    120,     75,     30,      0,    -30,    -60,
       -90,   -120,    240,    180,    120,     75,     30,      0,
       -30,    -60,    -90,   -120,    240,    180,    120,     75,
        30,      0,    -30,    -60,    -90,   -120,    240,    180,
       120,     75,     30,      0,    -30,    -60,    -90,   -120,
       240,    180,    120,     75,     30,      0,    -30,    -60,
       -90,   -120,    240,    180,    120,     75,     30,      0,
       -30,    -60,    -90,   -120,    240,    180,    120,     75,
        30,      0,    -30,    -60,    -90,   -120,    240,    180,
       120,     75,     30,      0,    -30,    -60,    -90,   -120,
    /*  701 KING_MOBILITY */
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
    /*  781 KNIGHT_SAFE_MOBILITY */
       600,    360,    180,     60,    -45,   -120,   -180,   -225,
      -255,   -270,    600,    360,    180,     60,    -45,   -120,
      -180,   -225,   -255,   -270,    600,    360,    180,     60,
       -45,   -120,   -180,   -225,   -255,   -270,    600,    360,
       180,     60,    -45,   -120,   -180,   -225,   -255,   -270,
       600,    360,    180,     60,    -45,   -120,   -180,   -225,
      -255,   -270,    600,    360,    180,     60,    -45,   -120,
      -180,   -225,   -255,   -270,    600,    360,    180,     60,
       -45,   -120,   -180,   -225,   -255,   -270,    600,    360,
       180,     60,    -45,   -120,   -180,   -225,   -255,   -270,
    /*  861 BISHOP_SAFE_MOBILITY */
     -3200,  -2240,  -1280,   -640,    -80,    400,    720,   1040,
      1280,   1440,  -3200,  -2240,  -1280,   -640,    -80,    400,
       720,   1040,   1280,   1440,  -3200,  -2240,  -1280,   -640,
       -80,    400,    720,   1040,   1280,   1440,  -3200,  -2240,
     -1280,   -640,    -80,    400,    720,   1040,   1280,   1440,
     -3200,  -2240,  -1280,   -640,    -80,    400,    720,   1040,
      1280,   1440,  -3200,  -2240,  -1280,   -640,    -80,    400,
       720,   1040,   1280,   1440,  -3200,  -2240,  -1280,   -640,
       -80,    400,    720,   1040,   1280,   1440,  -3200,  -2240,
     -1280,   -640,    -80,    400,    720,   1040,   1280,   1440,
    /*  941 ROOK_SAFE_MOBILITY */
     -1200,   -800,   -480,   -240,    -40,    120,    240,    360,
       480,    560,  -1200,   -800,   -480,   -240,    -40,    120,
       240,    360,    480,    560,  -1200,   -800,   -480,   -240,
       -40,    120,    240,    360,    480,    560,  -1200,   -800,
      -480,   -240,    -40,    120,    240,    360,    480,    560,
     -1200,   -800,   -480,   -240,    -40,    120,    240,    360,
       480,    560,  -1200,   -800,   -480,   -240,    -40,    120,
       240,    360,    480,    560,  -1200,   -800,   -480,   -240,
       -40,    120,    240,    360,    480,    560,  -1200,   -800,
      -480,   -240,    -40,    120,    240,    360,    480,    560,
    /* 1021 QUEEN_SAFE_MOBILITY */
      -240,   -180,   -120,    -70,    -30,      0,     30,     60,
        80,    100,   -240,   -180,   -120,    -70,    -30,      0,
        30,     60,     80,    100,   -240,   -180,   -120,    -70,
       -30,      0,     30,     60,     80,    100,   -240,   -180,
      -120,    -70,    -30,      0,     30,     60,     80,    100,
      -240,   -180,   -120,    -70,    -30,      0,     30,     60,
        80,    100,   -240,   -180,   -120,    -70,    -30,      0,
        30,     60,     80,    100,   -240,   -180,   -120,    -70,
       -30,      0,     30,     60,     80,    100,   -240,   -180,
      -120,    -70,    -30,      0,     30,     60,     80,    100,
    /* 1101 KING_SAFE_MOBILITY (rows 0..6 and row 7 counts 0..3) */
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,
    /* 1175 MATERIAL (codes -6..6) */
         0,      0,      0,      0,      0,      0,      0,  10052,  40012,  41375,
     60163, 119983, 800000,
    /* 1188 TACTICS_WIN, TACTICS_THREAT */
      2715,   1446,
    /* 1190 OVERLOADED (2..16 duties) */
       215,    495,    999,   1000,   1000,   1000,   1000,   1000,   1000,   1000,
      1000,   1000,   1000,   1000,   1000,
    /* 1205 KING_ATTACK_OWN */
      -811,    922,   1985,   2993,   3999,   5000,   6000,   6000,
    /* 1213 KING_ATTACK_OPP */
     -1039,    951,   1973,   2994,   4000,   5000,   6000,   6000,
    /* 1221 KING_ATTACK_OWN_QUEEN */
       270,    886,   1037,   1499,   1984,   3001,   3000,   3000,
    /* 1229 KING_ATTACK_OPP_QUEEN */
     -2126,   -127,    882,   1469,   1995,   3000,   3000,   3000,
    /* 1237 OPEN_COLUMN, OPEN_COLUMN_QUEEN */
       474,    315,
    /* 1239 TRADE_DOWN (0..16 pieces) */
      2000,    500,    100,     50,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,
    /* 1256 unused */
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,
    /* 1271 ATTACK_COUNT (0..15 attacks) */
         0,    -90,   -165,   -225,   -270,   -300,   -330,   -360,
      -390,   -420,   -450,   -480,   -510,   -540,   -570,   -600,
    /* 1287 PAWN_COUNT (0..16 pawns) */
      1900,    200,    200,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,
    /* 1304 unused */
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,
    /* 1319 PAWN_UNDEFENDED, PAWN_BESIDE */
       215,   -266,
    /* 1321 PASSED_CONTROL_AHEAD */
       -60,    -60,    -60,    -60,    -60,    -60,   -120,   -120,   -120,   -120,
      -120,   -180,   -180,   -180,   -180,   -240,   -240,   -240,   -300,   -300,
      -360,
    /* 1342 PAWN_UNSTOPPABLE, PAWN_DOUBLED, PAWN_BACKWARD, (unused) */
     30000,   1512,    895,      0,
    /* 1346 PASSED_BLOCKED, PASSED_OWN_KING, PASSED_ENEMY_ROOK_BEHIND, PASSED_OWN_ROOK_BEHIND */
      1997,   2001,   1500,   2345,
    /* 1350 CENTRE_PAWN_BLOCKED_D, _E */
       501,    567,
    /* 1352 PASSED_ROW (row 7 .. row 0) */
     15957,  15957,  10994,   5910,   2957,   1977,    874,    874,
    /* 1360 PASSED_NEIGHBOUR_ROW (row 6 .. row 0; 1366 also open row 7) */
      7900,   5199,   2678,   1270,    872,    373,    373,
    /* 1367 PAWN_OPEN_ROW (row 6 .. row 1), PASSED_ENEMY_KING */
      3900,   2496,   1386,   1356,    888,     20,   1110,
    /* 1374 PAWN_SQUARE_TABLE */
         0,      0,    230,    575,   1035,   1840,   2760,      0,
         0,      0,    230,    575,   1035,   1840,   2760,      0,
         0,      0,    575,    920,   1380,   1840,   2760,      0,
         0,   -230,    920,   1265,   1725,   1840,   2760,      0,
         0,   -230,    920,   1265,   1725,   1840,   2760,      0,
         0,      0,    575,    920,   1380,   1840,   2760,      0,
         0,      0,    230,    575,   1035,   1840,   2760,      0,
         0,      0,    230,    575,   1035,   1840,   2760,      0,
    /* 1438 KING_SHIELD */
      1199,   1225,   1187,   1515,   1474,   1457,   1442,   1416,   1382,   1471,
      1503,   1504,
    /* 1450 PAWN_ISOLATED, PAWN_BACKWARD_OPEN */
       535,    122,
    /* 1452 PAWN_BACKWARD_ATTACKED (0..8 attackers) */
         0,    303,    903,   1374,   1400,   1500,   1500,   1500,   1500,
    /* 1461 unused */
         0,      0,      0,      0,      0,      0,      0,
    // ================================================================ MID_GS
    /*    0 BISHOP_PAIR */
      2000,
    /*    1 CASTLING */
      2919,
    /*    2 KNIGHT_OUTPOST, BISHOP_OUTPOST, KNIGHT_OUTPOST_SUPPORTED, BISHOP_OUTPOST_SUPPORTED */
      1896,   1380,   1974,   1519,
    /*    6 ROOK_DEFENDED, ROOKS_SEVENTH */
       700,   1500,
    /*    8 OPPOSITE_BISHOPS */
      3912,
    /*    9 QUEEN_SORTIE */
      1097,
    /*   10 KING_ROW_OPENING */
         0,   3000,   5996,   9000,  12000,  15000,  18000,  21000,
    /*   18 KING_ROW_MIDDLE */
         0,   1000,   2000,   4000,   6000,   8000,  10000,  12000,
    /*   26 KING_DISTANCE_MATING */
         0,      0,   1000,   2000,   3000,   4000,   5000,   6000,
    /*   34 NO_SAFE_MOVE */
      1771,   5827,   8854,  11881,  14908,  17934,  20961,  23988,
    /*   42 KNIGHT_BLOCKED */
       614,
    /*   43 LOW_MOBILITY */
        62,
    /*   44 DRAW_SCORE */
     -1000,
    /*   45 ROOK_MINOR_ENDING */
     -3000,
    /*   46 MATING_DRIVE, MATING_CORNER */
     10000,  10000,
    /*   48 BISHOP_XRAY */
       366,    168,    803,   1204,   1300,
    /*   53 KING_CENTRE */
     -1260,   -670,    768,    958,    887,    782,   -600,  -1601,
    /*   61 ROOK_SQUARE_TABLE */
         0,      0,      0,      0,    230,    690,   3450,   1150,
       230,    230,    230,    230,    460,    920,   3680,   1380,
       460,    460,    460,    460,    690,   1150,   3910,   1610,
       690,    690,    690,    690,    920,   1380,   4140,   1840,
       690,    690,    690,    690,    920,   1380,   4140,   1840,
       460,    460,    460,    460,    690,   1150,   3910,   1610,
       230,    230,    230,    230,    460,    920,   3680,   1380,
         0,      0,      0,      0,    230,    690,   3450,   1150,
    /*  125 KNIGHT_SQUARE_TABLE */
     -2000,  -1500,  -1000,   -500,   -300,   -800,  -1500,  -2000,
     -1500,  -1000,   -500,      0,    200,   -300,  -1000,  -1500,
     -1000,   -500,      0,    500,    700,    200,   -500,  -1000,
      -500,      0,    500,   1000,   1200,    700,      0,   -500,
      -500,      0,    500,   1000,   1200,    700,      0,   -500,
     -1000,   -500,      0,    500,    700,    200,   -500,  -1000,
     -1500,  -1000,   -500,      0,    200,   -300,  -1000,  -1500,
     -2000,  -1500,  -1000,   -500,   -300,   -800,  -1500,  -2000,
    /*  189 CONTROL_TABLE */
        46,    138,    230,    322,    460,    368,    276,    184,
       138,    230,    322,    414,    552,    460,    368,    276,
       230,    322,    414,    506,    644,    552,    460,    368,
       322,    414,    506,    598,    736,    644,    552,    460,
       322,    414,    506,    598,    736,    644,    552,    460,
       230,    322,    414,    506,    644,    552,    460,    368,
       138,    230,    322,    414,    552,    460,    368,    276,
        46,    138,    230,    322,    460,    368,    276,    184,
    /*  253 KING_SIDE_SHELTER */
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
       460,    460,    294,    115,      0,      0,      0,      0,
       920,    920,    575,    230,      0,      0,      0,      0,
       920,    920,    575,    230,      0,      0,      0,      0,
       920,    920,    575,    230,      0,      0,      0,      0,
    /*  317 QUEEN_SIDE_SHELTER */
       920,    920,    575,    230,      0,      0,      0,      0,
       920,    920,    575,    230,      0,      0,      0,      0,
       920,    920,    575,    230,      0,      0,      0,      0,
       460,    460,    294,    115,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
    /*  381 KNIGHT_MOBILITY */
       450,    300,    180,     90,      0,    -60,   -120,   -165,
      -195,   -210,    450,    300,    180,     90,      0,    -60,
      -120,   -165,   -195,   -210,    450,    300,    180,     90,
         0,    -60,   -120,   -165,   -195,   -210,    450,    300,
       180,     90,      0,    -60,   -120,   -165,   -195,   -210,
       450,    300,    180,     90,      0,    -60,   -120,   -165,
      -195,   -210,    450,    300,    180,     90,      0,    -60,
      -120,   -165,   -195,   -210,    450,    300,    180,     90,
         0,    -60,   -120,   -165,   -195,   -210,    450,    300,
       180,     90,      0,    -60,   -120,   -165,   -195,   -210,
    /*  461 BISHOP_MOBILITY */
       450,    330,    210,    120,     45,    -15,    -60,   -105,
      -135,   -165,    450,    330,    210,    120,     45,    -15,
       -60,   -105,   -135,   -165,    450,    330,    210,    120,
        45,    -15,    -60,   -105,   -135,   -165,    450,    330,
       210,    120,     45,    -15,    -60,   -105,   -135,   -165,
       450,    330,    210,    120,     45,    -15,    -60,   -105,
      -135,   -165,    450,    330,    210,    120,     45,    -15,
       -60,   -105,   -135,   -165,    450,    330,    210,    120,
        45,    -15,    -60,   -105,   -135,   -165,    450,    330,
       210,    120,     45,    -15,    -60,   -105,   -135,   -165,
    /*  541 ROOK_MOBILITY */
     -2300,  -1610,  -1035,   -575,   -230,      0,    230,    460,
       690,    920,  -2300,  -1610,  -1035,   -575,   -230,      0,
       230,    460,    690,    920,  -2300,  -1610,  -1035,   -575,
      -230,      0,    230,    460,    690,    920,  -2300,  -1610,
     -1035,   -575,   -230,      0,    230,    460,    690,    920,
     -2300,  -1610,  -1035,   -575,   -230,      0,    230,    460,
       690,    920,  -2300,  -1610,  -1035,   -575,   -230,      0,
       230,    460,    690,    920,  -2300,  -1610,  -1035,   -575,
      -230,      0,    230,    460,    690,    920,  -2300,  -1610,
     -1035,   -575,   -230,      0,    230,    460,    690,    920,
    /*  621 QUEEN_MOBILITY */
       -80,    -60,    -40,    -25,    -10,      0,     10,     20,
        30,     40,    -80,    -60,    -40,    -25,    -10,      0,
        10,     20,     30,     40,    -80,    -60,    -40,    -25,
       -10,      0,     10,     20,     30,     40,    -80,    -60,
       -40,    -25,    -10,      0,     10,     20,     30,     40,
       -80,    -60,    -40,    -25,    -10,      0,     10,     20,
        30,     40,    -80,    -60,    -40,    -25,    -10,      0,
        10,     20,     30,     40,    -80,    -60,    -40,    -25,
       -10,      0,     10,     20,     30,     40,    -80,    -60,
       -40,    -25,    -10,      0,     10,     20,     30,     40,
    /*  701 KING_MOBILITY */
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
    /*  781 KNIGHT_SAFE_MOBILITY */
       600,    360,    180,     60,    -45,   -120,   -180,   -225,
      -255,   -270,    600,    360,    180,     60,    -45,   -120,
      -180,   -225,   -255,   -270,    600,    360,    180,     60,
       -45,   -120,   -180,   -225,   -255,   -270,    600,    360,
       180,     60,    -45,   -120,   -180,   -225,   -255,   -270,
       600,    360,    180,     60,    -45,   -120,   -180,   -225,
      -255,   -270,    600,    360,    180,     60,    -45,   -120,
      -180,   -225,   -255,   -270,    600,    360,    180,     60,
       -45,   -120,   -180,   -225,   -255,   -270,    600,    360,
       180,     60,    -45,   -120,   -180,   -225,   -255,   -270,
    /*  861 BISHOP_SAFE_MOBILITY */
      -800,   -560,   -320,   -160,    -20,    100,    180,    260,
       320,    360,   -800,   -560,   -320,   -160,    -20,    100,
       180,    260,    320,    360,   -800,   -560,   -320,   -160,
       -20,    100,    180,    260,    320,    360,   -800,   -560,
      -320,   -160,    -20,    100,    180,    260,    320,    360,
      -800,   -560,   -320,   -160,    -20,    100,    180,    260,
       320,    360,   -800,   -560,   -320,   -160,    -20,    100,
       180,    260,    320,    360,   -800,   -560,   -320,   -160,
       -20,    100,    180,    260,    320,    360,   -800,   -560,
      -320,   -160,    -20,    100,    180,    260,    320,    360,
    /*  941 ROOK_SAFE_MOBILITY */
      -900,   -600,   -360,   -180,    -30,     90,    180,    270,
       360,    420,   -900,   -600,   -360,   -180,    -30,     90,
       180,    270,    360,    420,   -900,   -600,   -360,   -180,
       -30,     90,    180,    270,    360,    420,   -900,   -600,
      -360,   -180,    -30,     90,    180,    270,    360,    420,
      -900,   -600,   -360,   -180,    -30,     90,    180,    270,
       360,    420,   -900,   -600,   -360,   -180,    -30,     90,
       180,    270,    360,    420,   -900,   -600,   -360,   -180,
       -30,     90,    180,    270,    360,    420,   -900,   -600,
      -360,   -180,    -30,     90,    180,    270,    360,    420,
    /* 1021 QUEEN_SAFE_MOBILITY */
       120,     90,     60,     35,     15,      0,    -15,    -30,
       -40,    -50,    120,     90,     60,     35,     15,      0,
       -15,    -30,    -40,    -50,    120,     90,     60,     35,
        15,      0,    -15,    -30,    -40,    -50,    120,     90,
        60,     35,     15,      0,    -15,    -30,    -40,    -50,
       120,     90,     60,     35,     15,      0,    -15,    -30,
       -40,    -50,    120,     90,     60,     35,     15,      0,
       -15,    -30,    -40,    -50,    120,     90,     60,     35,
        15,      0,    -15,    -30,    -40,    -50,    120,     90,
        60,     35,     15,      0,    -15,    -30,    -40,    -50,
    /* 1101 KING_SAFE_MOBILITY (rows 0..6 and row 7 counts 0..3) */
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,
    /* 1175 MATERIAL (codes -6..6) */
         0,      0,      0,      0,      0,      0,      0,  10000,  40100,  41200,
     60300, 120000, 800000,
    /* 1188 TACTICS_WIN, TACTICS_THREAT */
      2715,   1446,
    /* 1190 OVERLOADED (2..16 duties) */
       215,    495,    999,   1000,   1000,   1000,   1000,   1000,   1000,   1000,
      1000,   1000,   1000,   1000,   1000,
    /* 1205 KING_ATTACK_OWN */
      -811,    922,   1985,   2993,   3999,   5000,   6000,   6000,
    /* 1213 KING_ATTACK_OPP */
     -1039,    951,   1973,   2994,   4000,   5000,   6000,   6000,
    /* 1221 KING_ATTACK_OWN_QUEEN */
       270,    886,   1037,   1499,   1984,   3001,   3000,   3000,
    /* 1229 KING_ATTACK_OPP_QUEEN */
     -2126,   -127,    882,   1469,   1995,   3000,   3000,   3000,
    /* 1237 OPEN_COLUMN, OPEN_COLUMN_QUEEN */
       474,    315,
    /* 1239 TRADE_DOWN (0..16 pieces) */
      2000,    500,    100,     50,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,
    /* 1256 unused */
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,
    /* 1271 ATTACK_COUNT (0..15 attacks) */
         0,    -90,   -165,   -225,   -270,   -300,   -330,   -360,
      -390,   -420,   -450,   -480,   -510,   -540,   -570,   -600,
    /* 1287 PAWN_COUNT (0..16 pawns) */
      1900,    200,    200,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,
    /* 1304 unused */
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,
    /* 1319 PAWN_UNDEFENDED, PAWN_BESIDE */
       215,   -266,
    /* 1321 PASSED_CONTROL_AHEAD */
       -60,    -60,    -60,    -60,    -60,    -60,   -120,   -120,   -120,   -120,
      -120,   -180,   -180,   -180,   -180,   -240,   -240,   -240,   -300,   -300,
      -360,
    /* 1342 PAWN_UNSTOPPABLE, PAWN_DOUBLED, PAWN_BACKWARD, (unused) */
     30000,   1512,    895,      0,
    /* 1346 PASSED_BLOCKED, PASSED_OWN_KING, PASSED_ENEMY_ROOK_BEHIND, PASSED_OWN_ROOK_BEHIND */
      1997,   2001,   1500,   2345,
    /* 1350 CENTRE_PAWN_BLOCKED_D, _E */
       501,    567,
    /* 1352 PASSED_ROW (row 7 .. row 0) */
     15957,  15957,  10994,   5910,   2957,   1977,    874,    874,
    /* 1360 PASSED_NEIGHBOUR_ROW (row 6 .. row 0; 1366 also open row 7) */
      7900,   5199,   2678,   1270,    872,    373,    373,
    /* 1367 PAWN_OPEN_ROW (row 6 .. row 1), PASSED_ENEMY_KING */
      3900,   2496,   1386,   1356,    888,     20,   1110,
    /* 1374 PAWN_SQUARE_TABLE */
         0,      0,    140,    350,    630,   1120,   1680,      0,
         0,      0,    140,    350,    630,   1120,   1680,      0,
         0,      0,    350,    560,    840,   1120,   1680,      0,
         0,   -140,    560,    770,   1050,   1120,   1680,      0,
         0,   -140,    560,    770,   1050,   1120,   1680,      0,
         0,      0,    350,    560,    840,   1120,   1680,      0,
         0,      0,    140,    350,    630,   1120,   1680,      0,
         0,      0,    140,    350,    630,   1120,   1680,      0,
    /* 1438 KING_SHIELD */
      1199,   1225,   1187,   1515,   1474,   1457,   1442,   1416,   1382,   1471,
      1503,   1504,
    /* 1450 PAWN_ISOLATED, PAWN_BACKWARD_OPEN */
       535,    122,
    /* 1452 PAWN_BACKWARD_ATTACKED (0..8 attackers) */
         0,    303,    903,   1374,   1400,   1500,   1500,   1500,   1500,
    /* 1461 unused */
         0,      0,      0,      0,      0,      0,      0,
    // ================================================================ ENDING
    /*    0 BISHOP_PAIR */
      2500,
    /*    1 CASTLING */
      2919,
    /*    2 KNIGHT_OUTPOST, BISHOP_OUTPOST, KNIGHT_OUTPOST_SUPPORTED, BISHOP_OUTPOST_SUPPORTED */
       948,    690,    987,    760,
    /*    6 ROOK_DEFENDED, ROOKS_SEVENTH */
       700,   1500,
    /*    8 OPPOSITE_BISHOPS */
      3912,
    /*    9 QUEEN_SORTIE */
      1097,
    /*   10 KING_ROW_OPENING */
         0,   3000,   5996,   9000,  12000,  15000,  18000,  21000,
    /*   18 KING_ROW_MIDDLE */
         0,   1000,   2000,   4000,   6000,   8000,  10000,  12000,
    /*   26 KING_DISTANCE_MATING */
         0,      0,   1000,   2000,   3000,   4000,   5000,   6000,
    /*   34 NO_SAFE_MOVE */
      1771,   5827,   8854,  11881,  14908,  17934,  20961,  23988,
    /*   42 KNIGHT_BLOCKED */
       307,
    /*   43 LOW_MOBILITY */
        62,
    /*   44 DRAW_SCORE */
      -998,
    /*   45 ROOK_MINOR_ENDING */
     -3000,
    /*   46 MATING_DRIVE, MATING_CORNER */
     10000,  10000,
    /*   48 BISHOP_XRAY */
       366,    168,    803,   1204,   1300,
    /*   53 KING_CENTRE */
     -1260,   -670,    768,    958,    887,    782,   -600,  -1601,
    /*   61 ROOK_SQUARE_TABLE */
         0,      0,      0,      0,    230,    690,   3450,   1150,
       230,    230,    230,    230,    460,    920,   3680,   1380,
       460,    460,    460,    460,    690,   1150,   3910,   1610,
       690,    690,    690,    690,    920,   1380,   4140,   1840,
       690,    690,    690,    690,    920,   1380,   4140,   1840,
       460,    460,    460,    460,    690,   1150,   3910,   1610,
       230,    230,    230,    230,    460,    920,   3680,   1380,
         0,      0,      0,      0,    230,    690,   3450,   1150,
    /*  125 KNIGHT_SQUARE_TABLE */
     -2200,  -1650,  -1100,   -550,   -330,   -880,  -1650,  -2200,
     -1650,  -1100,   -550,      0,    220,   -330,  -1100,  -1650,
     -1100,   -550,      0,    550,    770,    220,   -550,  -1100,
      -550,      0,    550,   1100,   1320,    770,      0,   -550,
      -550,      0,    550,   1100,   1320,    770,      0,   -550,
     -1100,   -550,      0,    550,    770,    220,   -550,  -1100,
     -1650,  -1100,   -550,      0,    220,   -330,  -1100,  -1650,
     -2200,  -1650,  -1100,   -550,   -330,   -880,  -1650,  -2200,
    /*  189 CONTROL_TABLE */
        23,     69,    115,    161,    230,    184,    138,     92,
        69,    115,    161,    207,    276,    230,    184,    138,
       115,    161,    207,    253,    322,    276,    230,    184,
       161,    207,    253,    299,    368,    322,    276,    230,
       161,    207,    253,    299,    368,    322,    276,    230,
       115,    161,    207,    253,    322,    276,    230,    184,
        69,    115,    161,    207,    276,    230,    184,    138,
        23,     69,    115,    161,    230,    184,    138,     92,
    /*  253 KING_SIDE_SHELTER */
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
       -30,    -30,    -15,    -14,      0,      0,      0,      0,
       -60,    -60,    -44,    -15,      0,      0,      0,      0,
       -60,    -60,    -44,    -15,      0,      0,      0,      0,
       -60,    -60,    -44,    -15,      0,      0,      0,      0,
    /*  317 QUEEN_SIDE_SHELTER */
       -60,    -60,    -44,    -15,      0,      0,      0,      0,
       -60,    -60,    -44,    -15,      0,      0,      0,      0,
       -60,    -60,    -44,    -15,      0,      0,      0,      0,
       -30,    -30,    -15,    -14,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
    /*  381 KNIGHT_MOBILITY */
     -4319,  -2875,  -1725,   -869,      0,    575,   1150,   1585,
      1866,   2019,  -4319,  -2875,  -1725,   -869,      0,    575,
      1150,   1585,   1866,   2019,  -4319,  -2875,  -1725,   -869,
         0,    575,   1150,   1585,   1866,   2019,  -4319,  -2875,
     -1725,   -869,      0,    575,   1150,   1585,   1866,   2019,
     -4319,  -2875,  -1725,   -869,      0,    575,   1150,   1585,
      1866,   2019,  -4319,  -2875,  -1725,   -869,      0,    575,
      1150,   1585,   1866,   2019,  -4319,  -2875,  -1725,   -869,
         0,    575,   1150,   1585,   1866,   2019,  -4319,  -2875,
     -1725,   -869,      0,    575,   1150,   1585,   1866,   2019,
    /*  461 BISHOP_MOBILITY */
       569,    419,    269,    150,     59,    -15,    -75,   -134,
      -165,   -209,    569,    419,    269,    150,     59,    -15,
       -75,   -134,   -165,   -209,    569,    419,    269,    150,
        59,    -15,    -75,   -134,   -165,   -209,    569,    419,
       269,    150,     59,    -15,    -75,   -134,   -165,   -209,
       569,    419,    269,    150,     59,    -15,    -75,   -134,
      -165,   -209,    569,    419,    269,    150,     59,    -15,
       -75,   -134,   -165,   -209,    569,    419,    269,    150,
        59,    -15,    -75,   -134,   -165,   -209,    569,    419,
       269,    150,     59,    -15,    -75,   -134,   -165,   -209,
    /*  541 ROOK_MOBILITY */
     -2875,  -2019,  -1291,   -716,   -294,      0,    294,    575,
       869,   1150,  -2875,  -2019,  -1291,   -716,   -294,      0,
       294,    575,    869,   1150,  -2875,  -2019,  -1291,   -716,
      -294,      0,    294,    575,    869,   1150,  -2875,  -2019,
     -1291,   -716,   -294,      0,    294,    575,    869,   1150,
     -2875,  -2019,  -1291,   -716,   -294,      0,    294,    575,
       869,   1150,  -2875,  -2019,  -1291,   -716,   -294,      0,
       294,    575,    869,   1150,  -2875,  -2019,  -1291,   -716,
      -294,      0,    294,    575,    869,   1150,  -2875,  -2019,
     -1291,   -716,   -294,      0,    294,    575,    869,   1150,
    /*  621 QUEEN_MOBILITY */
       300,    225,    150,     90,     44,      0,    -44,    -75,
      -119,   -150,    300,    225,    150,     90,     44,      0,
       -44,    -75,   -119,   -150,    300,    225,    150,     90,
        44,      0,    -44,    -75,   -119,   -150,    300,    225,
       150,     90,     44,      0,    -44,    -75,   -119,   -150,
       300,    225,    150,     90,     44,      0,    -44,    -75,
      -119,   -150,    300,    225,    150,     90,     44,      0,
       -44,    -75,   -119,   -150,    300,    225,    150,     90,
        44,      0,    -44,    -75,   -119,   -150,    300,    225,
       150,     90,     44,      0,    -44,    -75,   -119,   -150,
    /*  701 KING_MOBILITY */
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
    /*  781 KNIGHT_SAFE_MOBILITY */
       750,    450,    225,     75,    -59,   -150,   -225,   -284,
      -315,   -344,    750,    450,    225,     75,    -59,   -150,
      -225,   -284,   -315,   -344,    750,    450,    225,     75,
       -59,   -150,   -225,   -284,   -315,   -344,    750,    450,
       225,     75,    -59,   -150,   -225,   -284,   -315,   -344,
       750,    450,    225,     75,    -59,   -150,   -225,   -284,
      -315,   -344,    750,    450,    225,     75,    -59,   -150,
      -225,   -284,   -315,   -344,    750,    450,    225,     75,
       -59,   -150,   -225,   -284,   -315,   -344,    750,    450,
       225,     75,    -59,   -150,   -225,   -284,   -315,   -344,
    /*  861 BISHOP_SAFE_MOBILITY */
     -1250,   -875,   -500,   -250,    -33,    158,    283,    408,
       500,    560,  -1250,   -875,   -500,   -250,    -33,    158,
       283,    408,    500,    560,  -1250,   -875,   -500,   -250,
       -33,    158,    283,    408,    500,    560,  -1250,   -875,
      -500,   -250,    -33,    158,    283,    408,    500,    560,
     -1250,   -875,   -500,   -250,    -33,    158,    283,    408,
       500,    560,  -1250,   -875,   -500,   -250,    -33,    158,
       283,    408,    500,    560,  -1250,   -875,   -500,   -250,
       -33,    158,    283,    408,    500,    560,  -1250,   -875,
      -500,   -250,    -33,    158,    283,    408,    500,    560,
    /*  941 ROOK_SAFE_MOBILITY */
     -4319,  -2875,  -1725,   -869,   -141,    435,    869,   1291,
      1725,   2019,  -4319,  -2875,  -1725,   -869,   -141,    435,
       869,   1291,   1725,   2019,  -4319,  -2875,  -1725,   -869,
      -141,    435,    869,   1291,   1725,   2019,  -4319,  -2875,
     -1725,   -869,   -141,    435,    869,   1291,   1725,   2019,
     -4319,  -2875,  -1725,   -869,   -141,    435,    869,   1291,
      1725,   2019,  -4319,  -2875,  -1725,   -869,   -141,    435,
       869,   1291,   1725,   2019,  -4319,  -2875,  -1725,   -869,
      -141,    435,    869,   1291,   1725,   2019,  -4319,  -2875,
     -1725,   -869,   -141,    435,    869,   1291,   1725,   2019,
    /* 1021 QUEEN_SAFE_MOBILITY */
       450,    344,    225,    134,     59,      0,    -59,   -119,
      -150,   -194,    450,    344,    225,    134,     59,      0,
       -59,   -119,   -150,   -194,    450,    344,    225,    134,
        59,      0,    -59,   -119,   -150,   -194,    450,    344,
       225,    134,     59,      0,    -59,   -119,   -150,   -194,
       450,    344,    225,    134,     59,      0,    -59,   -119,
      -150,   -194,    450,    344,    225,    134,     59,      0,
       -59,   -119,   -150,   -194,    450,    344,    225,    134,
        59,      0,    -59,   -119,   -150,   -194,    450,    344,
       225,    134,     59,      0,    -59,   -119,   -150,   -194,
    /* 1101 KING_SAFE_MOBILITY (rows 0..6 and row 7 counts 0..3) */
     -3450,  -1840,   -690,      0,    460,    690,    920,   1035,   1150,   1150,
     -3450,  -1840,   -690,      0,    460,    690,    920,   1035,   1150,   1150,
     -3450,  -1840,   -690,      0,    460,    690,    920,   1035,   1150,   1150,
     -3450,  -1840,   -690,      0,    460,    690,    920,   1035,   1150,   1150,
     -3450,  -1840,   -690,      0,    460,    690,    920,   1035,   1150,   1150,
     -3450,  -1840,   -690,      0,    460,    690,    920,   1035,   1150,   1150,
     -3450,  -1840,   -690,      0,    460,    690,    920,   1035,   1150,   1150,
         0,      0,      0,      0,
    /* 1175 MATERIAL (codes -6..6) */
         0,      0,      0,      0,      0,      0,      0,  10000,  40100,  41200,
     60300, 120000, 800000,
    /* 1188 TACTICS_WIN, TACTICS_THREAT */
      2715,   1446,
    /* 1190 OVERLOADED (2..16 duties) */
       215,    495,    999,   1000,   1000,   1000,   1000,   1000,   1000,   1000,
      1000,   1000,   1000,   1000,   1000,
    /* 1205 KING_ATTACK_OWN */
      -406,    461,    993,   1497,   2000,   2500,   3000,   3000,
    /* 1213 KING_ATTACK_OPP */
      -520,    476,    987,   1497,   2000,   2500,   3000,   3000,
    /* 1221 KING_ATTACK_OWN_QUEEN */
       135,    443,    519,    750,    992,   1501,   1500,   1500,
    /* 1229 KING_ATTACK_OPP_QUEEN */
     -1063,    -64,    441,    735,    998,   1500,   1500,   1500,
    /* 1237 OPEN_COLUMN, OPEN_COLUMN_QUEEN */
       237,    158,
    /* 1239 TRADE_DOWN (0..16 pieces) */
      2000,    500,    100,     50,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,
    /* 1256 unused */
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,
    /* 1271 ATTACK_COUNT (0..15 attacks) */
         0,    690,   1265,   1725,   2070,   2300,   2530,   2760,
      2990,   3220,   3450,   3680,   3910,   4140,   4370,   4600,
    /* 1287 PAWN_COUNT (0..16 pawns) */
      1900,    200,    200,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,
    /* 1304 unused */
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,
    /* 1319 PAWN_UNDEFENDED, PAWN_BESIDE */
       215,   -266,
    /* 1321 PASSED_CONTROL_AHEAD */
       210,    210,    210,    210,    210,    210,    420,    420,    420,    420,
       420,    630,    630,    630,    630,    840,    840,    840,   1050,   1050,
      1260,
    /* 1342 PAWN_UNSTOPPABLE, PAWN_DOUBLED, PAWN_BACKWARD, (unused) */
     30000,   1512,    895,      0,
    /* 1346 PASSED_BLOCKED, PASSED_OWN_KING, PASSED_ENEMY_ROOK_BEHIND, PASSED_OWN_ROOK_BEHIND */
      2996,   3002,   2250,   3518,
    /* 1350 CENTRE_PAWN_BLOCKED_D, _E */
       251,    284,
    /* 1352 PASSED_ROW (row 7 .. row 0) */
     23936,  23936,  16491,   8865,   4436,   2966,   1311,   1311,
    /* 1360 PASSED_NEIGHBOUR_ROW (row 6 .. row 0; 1366 also open row 7) */
     11850,   7799,   4017,   1905,   1308,    560,    560,
    /* 1367 PAWN_OPEN_ROW (row 6 .. row 1), PASSED_ENEMY_KING */
      5850,   3744,   2079,   2034,   1332,     30,   1665,
    /* 1374 PAWN_SQUARE_TABLE */
         0,      0,     45,    109,    199,    360,    540,      0,
         0,      0,     45,    109,    199,    360,    540,      0,
         0,      0,     64,    135,    225,    360,    540,      0,
         0,      0,     90,    154,    244,    360,    540,      0,
         0,      0,     90,    154,    244,    360,    540,      0,
         0,      0,     64,    135,    225,    360,    540,      0,
         0,      0,     45,    109,    199,    360,    540,      0,
         0,      0,     45,    109,    199,    360,    540,      0,
    /* 1438 KING_SHIELD */
      1199,   1225,   1187,   1515,   1474,   1457,   1442,   1416,   1382,   1471,
      1503,   1504,
    /* 1450 PAWN_ISOLATED, PAWN_BACKWARD_OPEN */
       535,    122,
    /* 1452 PAWN_BACKWARD_ATTACKED (0..8 attackers) */
         0,    303,    903,   1374,   1400,   1500,   1500,   1500,   1500,
    /* 1461 unused */
         0,      0,      0,      0,      0,      0,      0,
    // ================================================================ MATING
    /*    0 BISHOP_PAIR */
      2500,
    /*    1 CASTLING */
      2919,
    /*    2 KNIGHT_OUTPOST, BISHOP_OUTPOST, KNIGHT_OUTPOST_SUPPORTED, BISHOP_OUTPOST_SUPPORTED */
         0,      0,      0,      0,
    /*    6 ROOK_DEFENDED, ROOKS_SEVENTH */
       700,   1500,
    /*    8 OPPOSITE_BISHOPS */
      3912,
    /*    9 QUEEN_SORTIE */
      1097,
    /*   10 KING_ROW_OPENING */
         0,   3000,   5996,   9000,  12000,  15000,  18000,  21000,
    /*   18 KING_ROW_MIDDLE */
         0,   1000,   2000,   4000,   6000,   8000,  10000,  12000,
    /*   26 KING_DISTANCE_MATING */
         0,      0,   1000,   2000,   3000,   4000,   5000,   6000,
    /*   34 NO_SAFE_MOVE */
      1771,   5827,   8854,  11881,  14908,  17934,  20961,  23988,
    /*   42 KNIGHT_BLOCKED */
       307,
    /*   43 LOW_MOBILITY */
        62,
    /*   44 DRAW_SCORE */
      -999,
    /*   45 ROOK_MINOR_ENDING */
     -3000,
    /*   46 MATING_DRIVE, MATING_CORNER */
     10000,  10000,
    /*   48 BISHOP_XRAY */
       366,    168,    803,   1204,   1300,
    /*   53 KING_CENTRE */
     -1260,   -670,    768,    958,    887,    782,   -600,  -1601,
    /*   61 ROOK_SQUARE_TABLE */
         0,      0,      0,      0,    100,    300,   1500,    500,
       100,    100,    100,    100,    200,    400,   1600,    600,
       200,    200,    200,    200,    300,    500,   1700,    700,
       300,    300,    300,    300,    400,    600,   1800,    800,
       300,    300,    300,    300,    400,    600,   1800,    800,
       200,    200,    200,    200,    300,    500,   1700,    700,
       100,    100,    100,    100,    200,    400,   1600,    600,
         0,      0,      0,      0,    100,    300,   1500,    500,
    /*  125 KNIGHT_SQUARE_TABLE */
     -2000,  -1500,  -1000,   -500,   -300,   -800,  -1500,  -2000,
     -1500,  -1000,   -500,      0,    200,   -300,  -1000,  -1500,
     -1000,   -500,      0,    500,    700,    200,   -500,  -1000,
      -500,      0,    500,   1000,   1200,    700,      0,   -500,
      -500,      0,    500,   1000,   1200,    700,      0,   -500,
     -1000,   -500,      0,    500,    700,    200,   -500,  -1000,
     -1500,  -1000,   -500,      0,    200,   -300,  -1000,  -1500,
     -2000,  -1500,  -1000,   -500,   -300,   -800,  -1500,  -2000,
    /*  189 CONTROL_TABLE */
        10,     30,     50,     70,    100,     80,     60,     40,
        30,     50,     70,     90,    120,    100,     80,     60,
        50,     70,     90,    110,    140,    120,    100,     80,
        70,     90,    110,    130,    160,    140,    120,    100,
        70,     90,    110,    130,    160,    140,    120,    100,
        50,     70,     90,    110,    140,    120,    100,     80,
        30,     50,     70,     90,    120,    100,     80,     60,
        10,     30,     50,     70,    100,     80,     60,     40,
    /*  253 KING_SIDE_SHELTER */
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
       100,    100,     63,     25,      0,      0,      0,      0,
       200,    200,    125,     50,      0,      0,      0,      0,
       200,    200,    125,     50,      0,      0,      0,      0,
       200,    200,    125,     50,      0,      0,      0,      0,
    /*  317 QUEEN_SIDE_SHELTER */
       200,    200,    125,     50,      0,      0,      0,      0,
       200,    200,    125,     50,      0,      0,      0,      0,
       200,    200,    125,     50,      0,      0,      0,      0,
       100,    100,     63,     25,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
    /*  381 KNIGHT_MOBILITY */
     -1875,  -1250,   -750,   -375,      0,    250,    500,    688,
       813,    875,  -1875,  -1250,   -750,   -375,      0,    250,
       500,    688,    813,    875,  -1875,  -1250,   -750,   -375,
         0,    250,    500,    688,    813,    875,  -1875,  -1250,
      -750,   -375,      0,    250,    500,    688,    813,    875,
     -1875,  -1250,   -750,   -375,      0,    250,    500,    688,
       813,    875,  -1875,  -1250,   -750,   -375,      0,    250,
       500,    688,    813,    875,  -1875,  -1250,   -750,   -375,
         0,    250,    500,    688,    813,    875,  -1875,  -1250,
      -750,   -375,      0,    250,    500,    688,    813,    875,
    /*  461 BISHOP_MOBILITY */
     -1875,  -1375,   -875,   -500,   -188,     63,    250,    438,
       563,    688,  -1875,  -1375,   -875,   -500,   -188,     63,
       250,    438,    563,    688,  -1875,  -1375,   -875,   -500,
      -188,     63,    250,    438,    563,    688,  -1875,  -1375,
      -875,   -500,   -188,     63,    250,    438,    563,    688,
     -1875,  -1375,   -875,   -500,   -188,     63,    250,    438,
       563,    688,  -1875,  -1375,   -875,   -500,   -188,     63,
       250,    438,    563,    688,  -1875,  -1375,   -875,   -500,
      -188,     63,    250,    438,    563,    688,  -1875,  -1375,
      -875,   -500,   -188,     63,    250,    438,    563,    688,
    /*  541 ROOK_MOBILITY */
     -1250,   -875,   -563,   -313,   -125,      0,    125,    250,
       375,    500,  -1250,   -875,   -563,   -313,   -125,      0,
       125,    250,    375,    500,  -1250,   -875,   -563,   -313,
      -125,      0,    125,    250,    375,    500,  -1250,   -875,
      -563,   -313,   -125,      0,    125,    250,    375,    500,
     -1250,   -875,   -563,   -313,   -125,      0,    125,    250,
       375,    500,  -1250,   -875,   -563,   -313,   -125,      0,
       125,    250,    375,    500,  -1250,   -875,   -563,   -313,
      -125,      0,    125,    250,    375,    500,  -1250,   -875,
      -563,   -313,   -125,      0,    125,    250,    375,    500,
    /*  621 QUEEN_MOBILITY */
     -1000,   -750,   -500,   -313,   -125,      0,    125,    250,
       375,    500,  -1000,   -750,   -500,   -313,   -125,      0,
       125,    250,    375,    500,  -1000,   -750,   -500,   -313,
      -125,      0,    125,    250,    375,    500,  -1000,   -750,
      -500,   -313,   -125,      0,    125,    250,    375,    500,
     -1000,   -750,   -500,   -313,   -125,      0,    125,    250,
       375,    500,  -1000,   -750,   -500,   -313,   -125,      0,
       125,    250,    375,    500,  -1000,   -750,   -500,   -313,
      -125,      0,    125,    250,    375,    500,  -1000,   -750,
      -500,   -313,   -125,      0,    125,    250,    375,    500,
    /*  701 KING_MOBILITY */
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
    /*  781 KNIGHT_SAFE_MOBILITY */
     -2500,  -1500,   -750,   -250,    188,    500,    750,    938,
      1063,   1125,  -2500,  -1500,   -750,   -250,    188,    500,
       750,    938,   1063,   1125,  -2500,  -1500,   -750,   -250,
       188,    500,    750,    938,   1063,   1125,  -2500,  -1500,
      -750,   -250,    188,    500,    750,    938,   1063,   1125,
     -2500,  -1500,   -750,   -250,    188,    500,    750,    938,
      1063,   1125,  -2500,  -1500,   -750,   -250,    188,    500,
       750,    938,   1063,   1125,  -2500,  -1500,   -750,   -250,
       188,    500,    750,    938,   1063,   1125,  -2500,  -1500,
      -750,   -250,    188,    500,    750,    938,   1063,   1125,
    /*  861 BISHOP_SAFE_MOBILITY */
     -2500,  -1750,  -1000,   -500,    -63,    313,    563,    813,
      1000,   1125,  -2500,  -1750,  -1000,   -500,    -63,    313,
       563,    813,   1000,   1125,  -2500,  -1750,  -1000,   -500,
       -63,    313,    563,    813,   1000,   1125,  -2500,  -1750,
     -1000,   -500,    -63,    313,    563,    813,   1000,   1125,
     -2500,  -1750,  -1000,   -500,    -63,    313,    563,    813,
      1000,   1125,  -2500,  -1750,  -1000,   -500,    -63,    313,
       563,    813,   1000,   1125,  -2500,  -1750,  -1000,   -500,
       -63,    313,    563,    813,   1000,   1125,  -2500,  -1750,
     -1000,   -500,    -63,    313,    563,    813,   1000,   1125,
    /*  941 ROOK_SAFE_MOBILITY */
     -1875,  -1250,   -750,   -375,    -63,    188,    375,    563,
       750,    875,  -1875,  -1250,   -750,   -375,    -63,    188,
       375,    563,    750,    875,  -1875,  -1250,   -750,   -375,
       -63,    188,    375,    563,    750,    875,  -1875,  -1250,
      -750,   -375,    -63,    188,    375,    563,    750,    875,
     -1875,  -1250,   -750,   -375,    -63,    188,    375,    563,
       750,    875,  -1875,  -1250,   -750,   -375,    -63,    188,
       375,    563,    750,    875,  -1875,  -1250,   -750,   -375,
       -63,    188,    375,    563,    750,    875,  -1875,  -1250,
      -750,   -375,    -63,    188,    375,    563,    750,    875,
    /* 1021 QUEEN_SAFE_MOBILITY */
     -1500,  -1125,   -750,   -438,   -188,      0,    188,    375,
       500,    625,  -1500,  -1125,   -750,   -438,   -188,      0,
       188,    375,    500,    625,  -1500,  -1125,   -750,   -438,
      -188,      0,    188,    375,    500,    625,  -1500,  -1125,
      -750,   -438,   -188,      0,    188,    375,    500,    625,
     -1500,  -1125,   -750,   -438,   -188,      0,    188,    375,
       500,    625,  -1500,  -1125,   -750,   -438,   -188,      0,
       188,    375,    500,    625,  -1500,  -1125,   -750,   -438,
      -188,      0,    188,    375,    500,    625,  -1500,  -1125,
      -750,   -438,   -188,      0,    188,    375,    500,    625,
    /* 1101 KING_SAFE_MOBILITY (rows 0..6 and row 7 counts 0..3) */
     -1500,   -800,   -300,      0,    200,    300,    400,    450,    500,    500,
     -1500,   -800,   -300,      0,    200,    300,    400,    450,    500,    500,
     -1500,   -800,   -300,      0,    200,    300,    400,    450,    500,    500,
     -1500,   -800,   -300,      0,    200,    300,    400,    450,    500,    500,
     -1500,   -800,   -300,      0,    200,    300,    400,    450,    500,    500,
     -1500,   -800,   -300,      0,    200,    300,    400,    450,    500,    500,
     -1500,   -800,   -300,      0,    200,    300,    400,    450,    500,    500,
         0,      0,      0,      0,
    /* 1175 MATERIAL (codes -6..6) */
         0,      0,      0,      0,      0,      0,      0,  10000,  40100,  41200,
     60300, 120000, 800000,
    /* 1188 TACTICS_WIN, TACTICS_THREAT */
      2715,   1446,
    /* 1190 OVERLOADED (2..16 duties) */
       215,    495,    999,   1000,   1000,   1000,   1000,   1000,   1000,   1000,
      1000,   1000,   1000,   1000,   1000,
    /* 1205 KING_ATTACK_OWN */
      -406,    461,    993,   1497,   2000,   2500,   3000,   3000,
    /* 1213 KING_ATTACK_OPP */
      -520,    476,    987,   1497,   2000,   2500,   3000,   3000,
    /* 1221 KING_ATTACK_OWN_QUEEN */
       135,    443,    519,    750,    992,   1501,   1500,   1500,
    /* 1229 KING_ATTACK_OPP_QUEEN */
     -1063,    -64,    441,    735,    998,   1500,   1500,   1500,
    /* 1237 OPEN_COLUMN, OPEN_COLUMN_QUEEN */
       237,    158,
    /* 1239 TRADE_DOWN (0..16 pieces) */
      2000,    500,    100,     50,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,
    /* 1256 unused */
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,
    /* 1271 ATTACK_COUNT (0..15 attacks) */
         0,    300,    550,    750,    900,   1000,   1100,   1200,
      1300,   1400,   1500,   1600,   1700,   1800,   1900,   2000,
    /* 1287 PAWN_COUNT (0..16 pawns) */
      1900,    200,    200,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,
    /* 1304 unused */
         0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,
    /* 1319 PAWN_UNDEFENDED, PAWN_BESIDE */
       215,   -266,
    /* 1321 PASSED_CONTROL_AHEAD */
       300,    300,    300,    300,    300,    300,    600,    600,    600,    600,
       600,    900,    900,    900,    900,   1200,   1200,   1200,   1500,   1500,
      1800,
    /* 1342 PAWN_UNSTOPPABLE, PAWN_DOUBLED, PAWN_BACKWARD, (unused) */
     30000,   1512,    895,      0,
    /* 1346 PASSED_BLOCKED, PASSED_OWN_KING, PASSED_ENEMY_ROOK_BEHIND, PASSED_OWN_ROOK_BEHIND */
      2996,   3002,   2250,   3518,
    /* 1350 CENTRE_PAWN_BLOCKED_D, _E */
       251,    284,
    /* 1352 PASSED_ROW (row 7 .. row 0) */
     23936,  23936,  16491,   8865,   4436,   2966,   1311,   1311,
    /* 1360 PASSED_NEIGHBOUR_ROW (row 6 .. row 0; 1366 also open row 7) */
     11850,   7799,   4017,   1905,   1308,    560,    560,
    /* 1367 PAWN_OPEN_ROW (row 6 .. row 1), PASSED_ENEMY_KING */
      5850,   3744,   2079,   2034,   1332,     30,   1665,
    /* 1374 PAWN_SQUARE_TABLE */
         0,      0,    150,    375,    675,   1200,   1800,      0,
         0,      0,    150,    375,    675,   1200,   1800,      0,
         0,      0,    225,    450,    750,   1200,   1800,      0,
         0,      0,    300,    525,    825,   1200,   1800,      0,
         0,      0,    300,    525,    825,   1200,   1800,      0,
         0,      0,    225,    450,    750,   1200,   1800,      0,
         0,      0,    150,    375,    675,   1200,   1800,      0,
         0,      0,    150,    375,    675,   1200,   1800,      0,
    /* 1438 KING_SHIELD */
      1199,   1225,   1187,   1515,   1474,   1457,   1442,   1416,   1382,   1471,
      1503,   1504,
    /* 1450 PAWN_ISOLATED, PAWN_BACKWARD_OPEN */
       535,    122,
    /* 1452 PAWN_BACKWARD_ATTACKED (0..8 attackers) */
         0,    303,    903,   1374,   1400,   1500,   1500,   1500,   1500,
    /* 1461 unused */
         0,      0,      0,      0,      0,      0,      0,
};
// clang-format on

}  // namespace

const int* const orig_coefficients = shipped;
int new_coefficients[NUM_COEFFICIENTS];
