// Move generation: per-piece attack maps, pawn rules.
#pragma once

#include "board/board.h"

#include <string>
#include <vector>

void PieceGenerate(POS_T* b, int pi);
bool IsPawnHome(PS_T* p, PS_T* pawnstart);
int DetectPromotionImminent(POS_T* b, int p, SQ_T to, uint32_t mask);

int XrayThrough(POS_T* b, SQ_T sq1, SQ_T sq2);
unsigned long XrayAttack(POS_T* b, SQ_T sq1, SQ_T sq2);

bool PawnMovedTwoSteps(POS_T* b, SQ_T to, SQ_T from, int dir);
bool PawnToEastWest(POS_T* b, SQ_T to, int pawn_type);
int DetectPromotion(POS_T* b, int p, SQ_T to, MOVE_T* move);
int GetPromotedPiece(MOVE_T* move);  // positive code; writes the chosen letter into the move

// Attack-board moves.
int BoardCanMove(POS_T* b, int which_board, int* pilot);
// Where a board on each pin may go: toward Black's side and toward White's
// side (each allowed by what the board carries), and across to the other
// side's pins (always).
struct PIN_MOVES_T {
    int pin;
    int toward_black[3];
    int toward_white[3];
    int across[2];
};
extern const PIN_MOVES_T pin_moves[12];
int GenAttackBoardMoves(POS_T* b, int which_ab, MOVE_T* moves_in);
int DetectPromoteAttackBoard(POS_T* b, MOVE_T* move);
int PromoteAttackBoard(POS_T* b, int which_board, MOVE_T* move);

// Generation and legality.
bool IsValidMove(POS_T* b, MOVE_T move_to_test);
int GenerateMoves(POS_T* b, MOVE_T* moves);
int GenerateCheckAvoidance(POS_T* b, MOVE_T* moves);
int GetMoveCount(POS_T* b, MOVE_T* moves);
int LegalMove(POS_T* b, MOVE_T* move_to_check, const char* caller);
// Why the player's move m may not be made in b, in words ("the king would
// be in check", "that pawn has already moved: ..."), into out.
void RefusalReason(POS_T* b, const MOVE_T* m, char* out, size_t size);
// Why attack board which_ab (an AB_E) has no legal move in b, into out;
// false, with out untouched, when it has one.
bool BoardStuckReason(POS_T* b, int which_ab, char* out, size_t size);
// The entry of a list that m names: the same piece, squares and symbol, or
// where neither castles nor promotes, any symbol (a capture or en passant may
// have been marked on the way). Null when the list has no such move.
MOVE_T* ListedMove(MOVE_T* list, int n, const MOVE_T* m);

// Perft: leaf count of the legal move tree. A move counts once for each
// choice the player has: every promotion piece is a move of its own.
bool IsChoosableMove(POS_T* b, MOVE_T* m);
int LegalChoices(POS_T* b, std::vector<MOVE_T>* out);
uint64_t Perft(POS_T* b, int depth);
// e2e4, e7e8q in the plain game; E2E3, E7E8Q, QLW:QL1-QL3 in the other.
std::string CoordinateMove(const MOVE_T* m, int dmode);
// The legal choice of b written as text in those coordinates (any case; a
// promotion without its letter makes a queen); false when none matches.
bool ParseCoordinateMove(POS_T* b, const std::string& text, MOVE_T* out);
void GenMoveList(POS_T* b, int ply, MOVE_T* m1, ETYPE_T testv);
ETYPE_T FindPins(POS_T* b);
