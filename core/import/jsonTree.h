#pragma once
// A JSON document as a tree of nodes that keeps what the import needs and
// Qt's own JSON classes do not: each number's text exactly as written (a
// score of any length, never rounded to a double), each member in the
// file's order, and the line where each value starts.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <vector>

class TJsonTree {
public:
  enum TKind : quint8 { Null, False, True, Number, String, Array, Object };
  enum TError : quint8 { NoError, Syntax, Truncated, TooDeep };

  // Reads a whole document (one value with blanks around it). On an error
  // the tree is empty and errorOffset() says where in the bytes it lies.
  bool parse(const QByteArray &json);
  TError error() const { return Error; }
  qsizetype errorOffset() const { return ErrorOffset; }

  // Nodes by index; -1 is no node. The root is 0.
  int root() const { return Nodes.empty() ? -1 : 0; }
  TKind kind(int node) const { return Nodes[std::size_t(node)].kind; }
  int line(int node) const { return Nodes[std::size_t(node)].line; }
  // An array's first element, then the next one.
  int first(int node) const { return Nodes[std::size_t(node)].child; }
  int next(int node) const { return Nodes[std::size_t(node)].next; }
  // The value of an object's member; the last one when a name repeats.
  int member(int object, QLatin1StringView name) const;
  // A string's value, a number's text, as the file writes it.
  QString text(int node) const;

  // Shorthands that take -1 for "no node".
  bool is(int node, TKind k) const { return node >= 0 && kind(node) == k; }
  int member(int object, const char *name) const
  {
    return is(object, Object) ? member(object, QLatin1StringView(name)) : -1;
  }
  QString stringOf(int node) const { return is(node, String) ? text(node) : QString(); }

private:
  struct TNode {
    TKind kind;
    int line;
    int begin, end;   // the value's bytes; for a string, inside the quotes
    int child;        // first element or first member's name
    int next;         // next sibling: a member's name is followed by its value
  };
  int value(int depth);
  int string();
  bool number();
  bool literal(const char *word);
  void skipBlanks();
  bool fail(TError error, qsizetype at);
  bool sameKey(const TNode &key, QLatin1StringView name) const;

  QByteArray Json;
  const char *P = nullptr;
  const char *End = nullptr;
  int Line = 1;
  std::vector<TNode> Nodes;
  TError Error = NoError;
  qsizetype ErrorOffset = 0;
};
