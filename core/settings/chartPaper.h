#pragma once
// The paper the wall chart is laid out for, which Brakka.ini keeps in its
// [CHART] section as Paper=A4, A3 or Letter once the user chose one.

#include <QString>
#include <optional>

enum class TPaper : int { A4, A3, Letter };
constexpr int PaperCount = 3;

// The value Brakka.ini keeps: "A4", "A3", "Letter".
QString PaperKey(TPaper paper);
// A kept value back, in any case and with blanks around it; nothing for any
// other text.
std::optional<TPaper> PaperOfKey(const QString &key);

// The paper of a locale's region ("en_US.UTF-8", "fr_CA", "de_DE@euro"):
// Letter for the United States and Canada, A4 elsewhere and for a name that
// names no region ("C", "POSIX", empty).
TPaper DefaultPaperFor(const QString &localeName);
// The paper of the user's locale: LC_ALL, else LC_PAPER, else LANG.
TPaper DefaultPaper();
