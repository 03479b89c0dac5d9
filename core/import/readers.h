#pragma once
// What the three readers share: the round names of every source, scores as
// digit texts, and the readers themselves. Inside the import only.

#include "core/import/jsonTree.h"
#include "core/import/resultsFile.h"

#include <QStringView>
#include <optional>

// The stage a round or group name stands for, whichever source writes it
// ("Group A", "GROUP_A", "Matchday 2", "Round of 16", "LAST_16", "1/8 Finals",
// "Match for third place" ...). `group` gets 0..7 for a group A..H named in
// it, else -1. Unknown for any other text.
TImportStage StageOfRound(QStringView round, int *group);

// Whether a text is one or more decimal digits.
bool IsDigits(QStringView text);
// Digits without their leading zeros ("007" -> "7", "0" stays).
QStringView WithoutLeadingZeros(QStringView digits);
// The sum and the difference of two digit texts, without leading zeros;
// no difference when it would be negative.
QString AddDigits(QStringView a, QStringView b);
std::optional<QString> SubtractDigits(QStringView a, QStringView b);

// A score from the texts of its two sides, as a JSON file gives them: both
// null or missing is no score; digits on both sides a valid one; anything
// else an invalid one.
TImportScore JsonScore(const TJsonTree &json, int side1, int side2);

void ReadOpenFootballJson(const TJsonTree &json, std::vector<TImportMatch> &matches);
void ReadFootballDataJson(const TJsonTree &json, std::vector<TImportMatch> &matches);
// Whether the text is Football.TXT: at least one line of it is a match.
bool ReadFootballTxt(QStringView text, std::vector<TImportMatch> &matches);
