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
//     61..124  ROOK_SQUARE_TABLE: derived: row part 0, 0, 0, 0, 100, 300, 1500 (the seventh row),
//                500 plus column part 0, 100, 200, 300, 300, 200, 100, 0 (central columns); all
//                stages
//    125..188  KNIGHT_SQUARE_TABLE: derived: 1500 - 500 x d, d = (|2 column - 7| + |2 row - 7|) /
//                2 the distance from the centre (1..7), plus 200 on rows 4 and 5; all stages
//    189..252  CONTROL_TABLE: derived: 300 - 40 x d (d as for the knight) plus 60 in the
//                opponent's half; the ending table halves it (the mating stage does not read
//                control, its table repeats the ending's)
//    253..316  KING_SIDE_SHELTER: derived: by row 400, 400, 250, 100 on columns 5..7 and half on
//                column 4, 0 elsewhere; ending halved
//    317..380  QUEEN_SIDE_SHELTER: derived: by row 400, 400, 250, 100 on columns 0..2 and half on
//                column 3, 0 elsewhere; ending halved
//    381..460  KNIGHT_MOBILITY: derived: by count 0..9 -1500, -1000, -600, -300, 0, 200, 400, 550,
//                650, 700, the same on every row; the ending table x1.25 (the mating stage does
//                not read mobility, its table repeats the ending's)
//    461..540  BISHOP_MOBILITY: derived: by count 0..9 -1500, -1100, -700, -400, -150, 50, 200,
//                350, 450, 550, the same on every row; the ending table x1.25 (the mating stage
//                does not read mobility, its table repeats the ending's)
//    541..620  ROOK_MOBILITY: derived: by count 0..9 -1000, -700, -450, -250, -100, 0, 100, 200,
//                300, 400, the same on every row; the ending table x1.25 (the mating stage does
//                not read mobility, its table repeats the ending's)
//    621..700  QUEEN_MOBILITY: derived: by count 0..9 -800, -600, -400, -250, -100, 0, 100, 200,
//                300, 400, the same on every row; the ending table x1.25 (the mating stage does
//                not read mobility, its table repeats the ending's)
//    701..780  KING_MOBILITY: derived: by count 0..9 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, the same on
//                every row; the ending table x1.25 (the mating stage does not read mobility, its
//                table repeats the ending's)
//    781..860  KNIGHT_SAFE_MOBILITY: derived: by count 0..9 -2000, -1200, -600, -200, 150, 400,
//                600, 750, 850, 900, the same on every row; the ending table x1.25 (the mating
//                stage does not read mobility, its table repeats the ending's)
//    861..940  BISHOP_SAFE_MOBILITY: derived: by count 0..9 -2000, -1400, -800, -400, -50, 250,
//                450, 650, 800, 900, the same on every row; the ending table x1.25 (the mating
//                stage does not read mobility, its table repeats the ending's)
//    941..1020 ROOK_SAFE_MOBILITY: derived: by count 0..9 -1500, -1000, -600, -300, -50, 150, 300,
//                450, 600, 700, the same on every row; the ending table x1.25 (the mating stage
//                does not read mobility, its table repeats the ending's)
//   1021..1100 QUEEN_SAFE_MOBILITY: derived: by count 0..9 -1200, -900, -600, -350, -150, 0, 150,
//                300, 400, 500, the same on every row; the ending table x1.25 (the mating stage
//                does not read mobility, its table repeats the ending's)
//   1101..1174 KING_SAFE_MOBILITY (rows 0..6 and row 7 counts 0..3): derived: 0 in the opening and
//                middle game; in the ending and mating tables by count 0..9 -1500, -800, -300, 0,
//                200, 300, 400, 450, 500, 500 (a king with few safe squares walks into mating
//                nets); row 7 holds 0 throughout because its last six places are the material
//                block's codes -6..-1
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
//   1271..1286 ATTACK_COUNT (0..15 attacks): derived: rising 300, 250, 200, 150, then 100 per
//                further attack on an enemy piece; all stages
//   1287..1303 PAWN_COUNT (0..16 pawns): given, all stages
//   1304..1318 unused: not read
//   1319..1320 PAWN_UNDEFENDED, PAWN_BESIDE: given, all stages
//   1321..1341 PASSED_CONTROL_AHEAD: derived: 200 x the pawn's row for each square ahead it
//                controls; passed-pawn terms x1.5 in the ending
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
//   1374..1437 PAWN_SQUARE_TABLE: derived: by row 0, 0, 100, 250, 450, 800, 1200, 0 plus by column
//                0, 0, 150, 300, 300, 150, 0, 0 on rows 2..4 and -100 for the d and e pawns on row
//                1; the ending table takes the row part x1.5, the column part x0.5 and no row-1
//                penalty
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
        20,     60,    100,    140,    200,    160,    120,     80,
        60,    100,    140,    180,    240,    200,    160,    120,
       100,    140,    180,    220,    280,    240,    200,    160,
       140,    180,    220,    260,    320,    280,    240,    200,
       140,    180,    220,    260,    320,    280,    240,    200,
       100,    140,    180,    220,    280,    240,    200,    160,
        60,    100,    140,    180,    240,    200,    160,    120,
        20,     60,    100,    140,    200,    160,    120,     80,
    /*  253 KING_SIDE_SHELTER */
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
       200,    200,    125,     50,      0,      0,      0,      0,
       400,    400,    250,    100,      0,      0,      0,      0,
       400,    400,    250,    100,      0,      0,      0,      0,
       400,    400,    250,    100,      0,      0,      0,      0,
    /*  317 QUEEN_SIDE_SHELTER */
       400,    400,    250,    100,      0,      0,      0,      0,
       400,    400,    250,    100,      0,      0,      0,      0,
       400,    400,    250,    100,      0,      0,      0,      0,
       200,    200,    125,     50,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
    /*  381 KNIGHT_MOBILITY */
     -1500,  -1000,   -600,   -300,      0,    200,    400,    550,
       650,    700,  -1500,  -1000,   -600,   -300,      0,    200,
       400,    550,    650,    700,  -1500,  -1000,   -600,   -300,
         0,    200,    400,    550,    650,    700,  -1500,  -1000,
      -600,   -300,      0,    200,    400,    550,    650,    700,
     -1500,  -1000,   -600,   -300,      0,    200,    400,    550,
       650,    700,  -1500,  -1000,   -600,   -300,      0,    200,
       400,    550,    650,    700,  -1500,  -1000,   -600,   -300,
         0,    200,    400,    550,    650,    700,  -1500,  -1000,
      -600,   -300,      0,    200,    400,    550,    650,    700,
    /*  461 BISHOP_MOBILITY */
     -1500,  -1100,   -700,   -400,   -150,     50,    200,    350,
       450,    550,  -1500,  -1100,   -700,   -400,   -150,     50,
       200,    350,    450,    550,  -1500,  -1100,   -700,   -400,
      -150,     50,    200,    350,    450,    550,  -1500,  -1100,
      -700,   -400,   -150,     50,    200,    350,    450,    550,
     -1500,  -1100,   -700,   -400,   -150,     50,    200,    350,
       450,    550,  -1500,  -1100,   -700,   -400,   -150,     50,
       200,    350,    450,    550,  -1500,  -1100,   -700,   -400,
      -150,     50,    200,    350,    450,    550,  -1500,  -1100,
      -700,   -400,   -150,     50,    200,    350,    450,    550,
    /*  541 ROOK_MOBILITY */
     -1000,   -700,   -450,   -250,   -100,      0,    100,    200,
       300,    400,  -1000,   -700,   -450,   -250,   -100,      0,
       100,    200,    300,    400,  -1000,   -700,   -450,   -250,
      -100,      0,    100,    200,    300,    400,  -1000,   -700,
      -450,   -250,   -100,      0,    100,    200,    300,    400,
     -1000,   -700,   -450,   -250,   -100,      0,    100,    200,
       300,    400,  -1000,   -700,   -450,   -250,   -100,      0,
       100,    200,    300,    400,  -1000,   -700,   -450,   -250,
      -100,      0,    100,    200,    300,    400,  -1000,   -700,
      -450,   -250,   -100,      0,    100,    200,    300,    400,
    /*  621 QUEEN_MOBILITY */
      -800,   -600,   -400,   -250,   -100,      0,    100,    200,
       300,    400,   -800,   -600,   -400,   -250,   -100,      0,
       100,    200,    300,    400,   -800,   -600,   -400,   -250,
      -100,      0,    100,    200,    300,    400,   -800,   -600,
      -400,   -250,   -100,      0,    100,    200,    300,    400,
      -800,   -600,   -400,   -250,   -100,      0,    100,    200,
       300,    400,   -800,   -600,   -400,   -250,   -100,      0,
       100,    200,    300,    400,   -800,   -600,   -400,   -250,
      -100,      0,    100,    200,    300,    400,   -800,   -600,
      -400,   -250,   -100,      0,    100,    200,    300,    400,
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
     -2000,  -1200,   -600,   -200,    150,    400,    600,    750,
       850,    900,  -2000,  -1200,   -600,   -200,    150,    400,
       600,    750,    850,    900,  -2000,  -1200,   -600,   -200,
       150,    400,    600,    750,    850,    900,  -2000,  -1200,
      -600,   -200,    150,    400,    600,    750,    850,    900,
     -2000,  -1200,   -600,   -200,    150,    400,    600,    750,
       850,    900,  -2000,  -1200,   -600,   -200,    150,    400,
       600,    750,    850,    900,  -2000,  -1200,   -600,   -200,
       150,    400,    600,    750,    850,    900,  -2000,  -1200,
      -600,   -200,    150,    400,    600,    750,    850,    900,
    /*  861 BISHOP_SAFE_MOBILITY */
     -2000,  -1400,   -800,   -400,    -50,    250,    450,    650,
       800,    900,  -2000,  -1400,   -800,   -400,    -50,    250,
       450,    650,    800,    900,  -2000,  -1400,   -800,   -400,
       -50,    250,    450,    650,    800,    900,  -2000,  -1400,
      -800,   -400,    -50,    250,    450,    650,    800,    900,
     -2000,  -1400,   -800,   -400,    -50,    250,    450,    650,
       800,    900,  -2000,  -1400,   -800,   -400,    -50,    250,
       450,    650,    800,    900,  -2000,  -1400,   -800,   -400,
       -50,    250,    450,    650,    800,    900,  -2000,  -1400,
      -800,   -400,    -50,    250,    450,    650,    800,    900,
    /*  941 ROOK_SAFE_MOBILITY */
     -1500,  -1000,   -600,   -300,    -50,    150,    300,    450,
       600,    700,  -1500,  -1000,   -600,   -300,    -50,    150,
       300,    450,    600,    700,  -1500,  -1000,   -600,   -300,
       -50,    150,    300,    450,    600,    700,  -1500,  -1000,
      -600,   -300,    -50,    150,    300,    450,    600,    700,
     -1500,  -1000,   -600,   -300,    -50,    150,    300,    450,
       600,    700,  -1500,  -1000,   -600,   -300,    -50,    150,
       300,    450,    600,    700,  -1500,  -1000,   -600,   -300,
       -50,    150,    300,    450,    600,    700,  -1500,  -1000,
      -600,   -300,    -50,    150,    300,    450,    600,    700,
    /* 1021 QUEEN_SAFE_MOBILITY */
     -1200,   -900,   -600,   -350,   -150,      0,    150,    300,
       400,    500,  -1200,   -900,   -600,   -350,   -150,      0,
       150,    300,    400,    500,  -1200,   -900,   -600,   -350,
      -150,      0,    150,    300,    400,    500,  -1200,   -900,
      -600,   -350,   -150,      0,    150,    300,    400,    500,
     -1200,   -900,   -600,   -350,   -150,      0,    150,    300,
       400,    500,  -1200,   -900,   -600,   -350,   -150,      0,
       150,    300,    400,    500,  -1200,   -900,   -600,   -350,
      -150,      0,    150,    300,    400,    500,  -1200,   -900,
      -600,   -350,   -150,      0,    150,    300,    400,    500,
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
       200,    200,    200,    200,    200,    200,    400,    400,    400,    400,
       400,    600,    600,    600,    600,    800,    800,    800,   1000,   1000,
      1200,
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
         0,      0,    100,    250,    450,    800,   1200,      0,
         0,      0,    100,    250,    450,    800,   1200,      0,
         0,      0,    250,    400,    600,    800,   1200,      0,
         0,   -100,    400,    550,    750,    800,   1200,      0,
         0,   -100,    400,    550,    750,    800,   1200,      0,
         0,      0,    250,    400,    600,    800,   1200,      0,
         0,      0,    100,    250,    450,    800,   1200,      0,
         0,      0,    100,    250,    450,    800,   1200,      0,
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
        20,     60,    100,    140,    200,    160,    120,     80,
        60,    100,    140,    180,    240,    200,    160,    120,
       100,    140,    180,    220,    280,    240,    200,    160,
       140,    180,    220,    260,    320,    280,    240,    200,
       140,    180,    220,    260,    320,    280,    240,    200,
       100,    140,    180,    220,    280,    240,    200,    160,
        60,    100,    140,    180,    240,    200,    160,    120,
        20,     60,    100,    140,    200,    160,    120,     80,
    /*  253 KING_SIDE_SHELTER */
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
       200,    200,    125,     50,      0,      0,      0,      0,
       400,    400,    250,    100,      0,      0,      0,      0,
       400,    400,    250,    100,      0,      0,      0,      0,
       400,    400,    250,    100,      0,      0,      0,      0,
    /*  317 QUEEN_SIDE_SHELTER */
       400,    400,    250,    100,      0,      0,      0,      0,
       400,    400,    250,    100,      0,      0,      0,      0,
       400,    400,    250,    100,      0,      0,      0,      0,
       200,    200,    125,     50,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
         0,      0,      0,      0,      0,      0,      0,      0,
    /*  381 KNIGHT_MOBILITY */
     -1500,  -1000,   -600,   -300,      0,    200,    400,    550,
       650,    700,  -1500,  -1000,   -600,   -300,      0,    200,
       400,    550,    650,    700,  -1500,  -1000,   -600,   -300,
         0,    200,    400,    550,    650,    700,  -1500,  -1000,
      -600,   -300,      0,    200,    400,    550,    650,    700,
     -1500,  -1000,   -600,   -300,      0,    200,    400,    550,
       650,    700,  -1500,  -1000,   -600,   -300,      0,    200,
       400,    550,    650,    700,  -1500,  -1000,   -600,   -300,
         0,    200,    400,    550,    650,    700,  -1500,  -1000,
      -600,   -300,      0,    200,    400,    550,    650,    700,
    /*  461 BISHOP_MOBILITY */
     -1500,  -1100,   -700,   -400,   -150,     50,    200,    350,
       450,    550,  -1500,  -1100,   -700,   -400,   -150,     50,
       200,    350,    450,    550,  -1500,  -1100,   -700,   -400,
      -150,     50,    200,    350,    450,    550,  -1500,  -1100,
      -700,   -400,   -150,     50,    200,    350,    450,    550,
     -1500,  -1100,   -700,   -400,   -150,     50,    200,    350,
       450,    550,  -1500,  -1100,   -700,   -400,   -150,     50,
       200,    350,    450,    550,  -1500,  -1100,   -700,   -400,
      -150,     50,    200,    350,    450,    550,  -1500,  -1100,
      -700,   -400,   -150,     50,    200,    350,    450,    550,
    /*  541 ROOK_MOBILITY */
     -1000,   -700,   -450,   -250,   -100,      0,    100,    200,
       300,    400,  -1000,   -700,   -450,   -250,   -100,      0,
       100,    200,    300,    400,  -1000,   -700,   -450,   -250,
      -100,      0,    100,    200,    300,    400,  -1000,   -700,
      -450,   -250,   -100,      0,    100,    200,    300,    400,
     -1000,   -700,   -450,   -250,   -100,      0,    100,    200,
       300,    400,  -1000,   -700,   -450,   -250,   -100,      0,
       100,    200,    300,    400,  -1000,   -700,   -450,   -250,
      -100,      0,    100,    200,    300,    400,  -1000,   -700,
      -450,   -250,   -100,      0,    100,    200,    300,    400,
    /*  621 QUEEN_MOBILITY */
      -800,   -600,   -400,   -250,   -100,      0,    100,    200,
       300,    400,   -800,   -600,   -400,   -250,   -100,      0,
       100,    200,    300,    400,   -800,   -600,   -400,   -250,
      -100,      0,    100,    200,    300,    400,   -800,   -600,
      -400,   -250,   -100,      0,    100,    200,    300,    400,
      -800,   -600,   -400,   -250,   -100,      0,    100,    200,
       300,    400,   -800,   -600,   -400,   -250,   -100,      0,
       100,    200,    300,    400,   -800,   -600,   -400,   -250,
      -100,      0,    100,    200,    300,    400,   -800,   -600,
      -400,   -250,   -100,      0,    100,    200,    300,    400,
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
     -2000,  -1200,   -600,   -200,    150,    400,    600,    750,
       850,    900,  -2000,  -1200,   -600,   -200,    150,    400,
       600,    750,    850,    900,  -2000,  -1200,   -600,   -200,
       150,    400,    600,    750,    850,    900,  -2000,  -1200,
      -600,   -200,    150,    400,    600,    750,    850,    900,
     -2000,  -1200,   -600,   -200,    150,    400,    600,    750,
       850,    900,  -2000,  -1200,   -600,   -200,    150,    400,
       600,    750,    850,    900,  -2000,  -1200,   -600,   -200,
       150,    400,    600,    750,    850,    900,  -2000,  -1200,
      -600,   -200,    150,    400,    600,    750,    850,    900,
    /*  861 BISHOP_SAFE_MOBILITY */
     -2000,  -1400,   -800,   -400,    -50,    250,    450,    650,
       800,    900,  -2000,  -1400,   -800,   -400,    -50,    250,
       450,    650,    800,    900,  -2000,  -1400,   -800,   -400,
       -50,    250,    450,    650,    800,    900,  -2000,  -1400,
      -800,   -400,    -50,    250,    450,    650,    800,    900,
     -2000,  -1400,   -800,   -400,    -50,    250,    450,    650,
       800,    900,  -2000,  -1400,   -800,   -400,    -50,    250,
       450,    650,    800,    900,  -2000,  -1400,   -800,   -400,
       -50,    250,    450,    650,    800,    900,  -2000,  -1400,
      -800,   -400,    -50,    250,    450,    650,    800,    900,
    /*  941 ROOK_SAFE_MOBILITY */
     -1500,  -1000,   -600,   -300,    -50,    150,    300,    450,
       600,    700,  -1500,  -1000,   -600,   -300,    -50,    150,
       300,    450,    600,    700,  -1500,  -1000,   -600,   -300,
       -50,    150,    300,    450,    600,    700,  -1500,  -1000,
      -600,   -300,    -50,    150,    300,    450,    600,    700,
     -1500,  -1000,   -600,   -300,    -50,    150,    300,    450,
       600,    700,  -1500,  -1000,   -600,   -300,    -50,    150,
       300,    450,    600,    700,  -1500,  -1000,   -600,   -300,
       -50,    150,    300,    450,    600,    700,  -1500,  -1000,
      -600,   -300,    -50,    150,    300,    450,    600,    700,
    /* 1021 QUEEN_SAFE_MOBILITY */
     -1200,   -900,   -600,   -350,   -150,      0,    150,    300,
       400,    500,  -1200,   -900,   -600,   -350,   -150,      0,
       150,    300,    400,    500,  -1200,   -900,   -600,   -350,
      -150,      0,    150,    300,    400,    500,  -1200,   -900,
      -600,   -350,   -150,      0,    150,    300,    400,    500,
     -1200,   -900,   -600,   -350,   -150,      0,    150,    300,
       400,    500,  -1200,   -900,   -600,   -350,   -150,      0,
       150,    300,    400,    500,  -1200,   -900,   -600,   -350,
      -150,      0,    150,    300,    400,    500,  -1200,   -900,
      -600,   -350,   -150,      0,    150,    300,    400,    500,
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
       200,    200,    200,    200,    200,    200,    400,    400,    400,    400,
       400,    600,    600,    600,    600,    800,    800,    800,   1000,   1000,
      1200,
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
         0,      0,    100,    250,    450,    800,   1200,      0,
         0,      0,    100,    250,    450,    800,   1200,      0,
         0,      0,    250,    400,    600,    800,   1200,      0,
         0,   -100,    400,    550,    750,    800,   1200,      0,
         0,   -100,    400,    550,    750,    800,   1200,      0,
         0,      0,    250,    400,    600,    800,   1200,      0,
         0,      0,    100,    250,    450,    800,   1200,      0,
         0,      0,    100,    250,    450,    800,   1200,      0,
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
