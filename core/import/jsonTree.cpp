#include "core/import/jsonTree.h"

#include <algorithm>

namespace {

// Deeper nesting than any data file has; it keeps the reader's recursion
// far from the end of the stack.
constexpr int MaxDepth = 200;

bool IsHex(char c)
{
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c)
{
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return c - 'A' + 10;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool TJsonTree::parse(const QByteArray &json)
{
  Json = json;
  P = Json.constData();
  End = P + Json.size();
  Line = 1;
  Nodes.clear();
  Error = NoError;
  ErrorOffset = 0;
  skipBlanks();
  if (P == End)
    return fail(Truncated, P - Json.constData());
  if (value(0) >= 0) {
    skipBlanks();
    if (P == End)
      return true;
    fail(Syntax, P - Json.constData());
  }
  Nodes.clear();
  return false;
}

bool TJsonTree::fail(TError error, qsizetype at)
{
  if (Error == NoError) {
    Error = error;
    ErrorOffset = at;
  }
  return false;
}

void TJsonTree::skipBlanks()
{
  while (P != End) {
    const char c = *P;
    if (c == '\n')
      ++Line;
    else if (c != ' ' && c != '\t' && c != '\r')
      return;
    ++P;
  }
}

int TJsonTree::value(int depth)
{
  const qsizetype at = P - Json.constData();
  if (P == End) {
    fail(Truncated, at);
    return -1;
  }
  if (depth > MaxDepth) {
    fail(TooDeep, at);
    return -1;
  }
  const char c = *P;
  if (c == '"')
    return string();
  const int index = int(Nodes.size());
  Nodes.push_back(TNode{Null, Line, int(at), int(at), -1, -1});
  if (c == '-' || IsDigit(c)) {
    Nodes[std::size_t(index)].kind = Number;
    if (!number())
      return -1;
    Nodes[std::size_t(index)].end = int(P - Json.constData());
    return index;
  }
  if (c == 't' || c == 'f' || c == 'n') {
    const TKind k = c == 't' ? True : c == 'f' ? False : Null;
    if (!literal(c == 't' ? "true" : c == 'f' ? "false" : "null"))
      return -1;
    Nodes[std::size_t(index)].kind = k;
    Nodes[std::size_t(index)].end = int(P - Json.constData());
    return index;
  }
  if (c != '[' && c != '{') {
    fail(Syntax, at);
    return -1;
  }
  const bool object = c == '{';
  const char close = object ? '}' : ']';
  Nodes[std::size_t(index)].kind = object ? Object : Array;
  ++P;
  skipBlanks();
  if (P != End && *P == close) {
    ++P;
    return index;
  }
  int last = -1;
  auto link = [&](int node) {
    if (last < 0)
      Nodes[std::size_t(index)].child = node;
    else
      Nodes[std::size_t(last)].next = node;
    last = node;
  };
  for (;;) {
    skipBlanks();
    if (object) {
      if (P == End) {
        fail(Truncated, P - Json.constData());
        return -1;
      }
      if (*P != '"') {
        fail(Syntax, P - Json.constData());
        return -1;
      }
      const int key = string();
      if (key < 0)
        return -1;
      link(key);
      skipBlanks();
      if (P == End) {
        fail(Truncated, P - Json.constData());
        return -1;
      }
      if (*P != ':') {
        fail(Syntax, P - Json.constData());
        return -1;
      }
      ++P;
      skipBlanks();
    }
    const int item = value(depth + 1);
    if (item < 0)
      return -1;
    link(item);
    skipBlanks();
    if (P == End) {
      fail(Truncated, P - Json.constData());
      return -1;
    }
    if (*P == close) {
      ++P;
      Nodes[std::size_t(index)].end = int(P - Json.constData());
      return index;
    }
    if (*P != ',') {
      fail(Syntax, P - Json.constData());
      return -1;
    }
    ++P;
  }
}

int TJsonTree::string()
{
  // At the opening quote: the node spans the bytes between the quotes.
  const int index = int(Nodes.size());
  Nodes.push_back(TNode{String, Line, int(P + 1 - Json.constData()), 0, -1, -1});
  ++P;
  while (P != End) {
    const unsigned char c = static_cast<unsigned char>(*P);
    if (c == '"') {
      Nodes[std::size_t(index)].end = int(P - Json.constData());
      ++P;
      return index;
    }
    if (c < 0x20) {
      fail(Syntax, P - Json.constData());
      return -1;
    }
    if (c == '\\') {
      ++P;
      if (P == End)
        break;
      const char e = *P;
      if (e == 'u') {
        for (int i = 1; i <= 4; ++i) {
          if (P + i == End) {
            fail(Truncated, End - Json.constData());
            return -1;
          }
          if (!IsHex(P[i])) {
            fail(Syntax, P + i - Json.constData());
            return -1;
          }
        }
        P += 4;
      } else if (e != '"' && e != '\\' && e != '/' && e != 'b' && e != 'f' && e != 'n' &&
                 e != 'r' && e != 't') {
        fail(Syntax, P - Json.constData());
        return -1;
      }
    }
    ++P;
  }
  fail(Truncated, End - Json.constData());
  return -1;
}

bool TJsonTree::number()
{
  // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
  auto digits = [&]() {
    const char *start = P;
    while (P != End && IsDigit(*P))
      ++P;
    return P != start;
  };
  auto need = [&]() {
    return P == End ? fail(Truncated, End - Json.constData()) : fail(Syntax, P - Json.constData());
  };
  if (*P == '-')
    ++P;
  if (P == End || !IsDigit(*P))
    return need();
  if (*P == '0')
    ++P;
  else
    digits();
  if (P != End && *P == '.') {
    ++P;
    if (!digits())
      return need();
  }
  if (P != End && (*P == 'e' || *P == 'E')) {
    ++P;
    if (P != End && (*P == '+' || *P == '-'))
      ++P;
    if (!digits())
      return need();
  }
  return true;
}

bool TJsonTree::literal(const char *word)
{
  for (const char *w = word; *w; ++w, ++P) {
    if (P == End)
      return fail(Truncated, End - Json.constData());
    if (*P != *w)
      return fail(Syntax, P - Json.constData());
  }
  return true;
}

bool TJsonTree::sameKey(const TNode &key, QLatin1StringView name) const
{
  const char *k = Json.constData() + key.begin;
  const qsizetype size = key.end - key.begin;
  if (size == name.size() && std::equal(k, k + size, name.data()))
    return true;
  // A name written with escapes ("\u0067roup") is compared as its value.
  return std::find(k, k + size, '\\') != k + size && text(int(&key - Nodes.data())) == name;
}

int TJsonTree::member(int object, QLatin1StringView name) const
{
  int found = -1;
  for (int key = Nodes[std::size_t(object)].child; key >= 0;) {
    const int item = Nodes[std::size_t(key)].next;
    if (sameKey(Nodes[std::size_t(key)], name))
      found = item;
    key = Nodes[std::size_t(item)].next;
  }
  return found;
}

QString TJsonTree::text(int node) const
{
  const TNode &n = Nodes[std::size_t(node)];
  const char *b = Json.constData() + n.begin;
  const char *e = Json.constData() + n.end;
  if (n.kind != String)
    return QString::fromLatin1(b, e - b);
  if (std::find(b, e, '\\') == e)
    return QString::fromUtf8(b, e - b);
  QString out;
  out.reserve(e - b);
  const char *run = b;
  for (const char *p = b; p != e; ++p) {
    if (*p != '\\')
      continue;
    out += QString::fromUtf8(run, p - run);
    const char c = *++p;
    switch (c) {
      case 'b': out += QChar(u'\b'); break;
      case 'f': out += QChar(u'\f'); break;
      case 'n': out += QChar(u'\n'); break;
      case 'r': out += QChar(u'\r'); break;
      case 't': out += QChar(u'\t'); break;
      case 'u': {
        // A UTF-16 code unit; a pair of them makes a character beyond the
        // first plane, as in the file.
        char16_t unit = 0;
        for (int i = 1; i <= 4; ++i)
          unit = char16_t(unit * 16 + HexValue(p[i]));
        out += QChar(unit);
        p += 4;
        break;
      }
      default: out += QChar(QLatin1Char(c)); break;
    }
    run = p + 1;
  }
  out += QString::fromUtf8(run, e - run);
  return out;
}
