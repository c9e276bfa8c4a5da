#pragma once

#include "document/UErrores.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace pugi {
class xml_document;
class xml_node_struct;
} // namespace pugi

class TXMLProject;

// One element of a TXMLProject, for callers that work on a list of children directly.
// A null node (IsNull) stands for "no element". A node is valid while its document lives.
class TXMLNode {
  public:
    TXMLNode() = default;

    bool IsNull() const { return node_ == nullptr; }
    QString Name() const;

    // Child elements, in document order (text content is not counted).
    int ChildCount() const;
    TXMLNode Child(int index) const;
    std::vector<TXMLNode> Children() const;
    // The first child element with that name, or a null node.
    TXMLNode FirstChild(const QString& name) const;

    bool HasAttribute(const QString& name) const;
    // The attribute's value when present (even empty), else the default.
    QString Attribute(const QString& name, const QString& defaultValue = QString()) const;
    // Sets (or appends, after the existing ones) the attribute.
    void SetAttribute(const QString& name, const QString& value);

    // The element's text when its content is empty or one text or CDATA value; raises
    // EXMLError when the element holds anything else (child elements).
    QString Text() const;
    // True when the content is exactly one plain text value (no CDATA, no elements).
    bool HoldsPlainText() const;
    // True when the content is exactly one text or CDATA value.
    bool HoldsText() const;

    TXMLNode AppendChild(const QString& name);
    void RemoveChild(const TXMLNode& child);
    void RemoveAllChildren();

    bool operator==(const TXMLNode& other) const { return node_ == other.node_; }

  private:
    friend class TXMLProject;
    TXMLNode(pugi::xml_node_struct* node, TXMLProject* owner) : node_(node), owner_(owner) {}

    pugi::xml_node_struct* node_ = nullptr;
    TXMLProject* owner_ = nullptr;
};

// One XML file, read and written through node paths such as "project/document/title/":
// element names each followed by "/", relative to the root element. Every element on a
// path is created when missing, by readers too.
//
// The object is opened for one operation and then released (Release: saves when modified,
// can fail) or discarded (Discard: never writes). Destroying it without either discards it,
// so an operation that fails part-way never writes a half-changed file.
class TXMLProject {
  public:
    // Parses the file when it exists (EXMLError when it is not well-formed XML, is written in an
    // encoding the program cannot read exactly, or nests deeper than it can); otherwise starts an
    // empty document with the root element "import", marked modified. With read, the bytes the
    // document was parsed from are handed to the caller as well (none for a new document).
    explicit TXMLProject(const QString& fileName, QByteArray* read = nullptr);
    // A document read from bytes held in memory (an entry of a zip file), for reading only:
    // the name stands for it in messages, and it must be discarded, never saved.
    static std::unique_ptr<TXMLProject> FromBytes(const QByteArray& bytes, const QString& name);
    ~TXMLProject();
    TXMLProject(const TXMLProject&) = delete;
    TXMLProject& operator=(const TXMLProject&) = delete;

    const QString& FileName() const { return fileName_; }
    bool IsModified() const { return modified_; }

    QString GetText(const QString& path, const QString& defaultValue);
    void SetText(const QString& path, const QString& value);
    void SetCData(const QString& path, const QString& value);

    QString GetAttribute(const QString& path, const QString& name, const QString& defaultValue);
    int GetAttributeInt(const QString& path, const QString& name, int defaultValue);
    bool GetAttributeInt(const QString& path, const QString& name, bool defaultValue);
    void SetAttribute(const QString& path, const QString& name, const QString& value);
    void SetAttributeInt(const QString& path, const QString& name, int value);
    void SetAttributeInt(const QString& path, const QString& name, bool value);
    void ForceAttribute(const QString& path, const QString& name, const QString& value);

    TXMLNode GetNode(const QString& path);
    TXMLNode FindChildByAttribute(const QString& path, const QString& name, const QString& value);
    // Appends a text node to the element, keeping its other children.
    void AppendText(const TXMLNode& element, const QString& text);

    // Writes the file when modified or when forced; the previous file is kept with ".bak"
    // appended to its name. The file is replaced atomically; EXMLError when it cannot be
    // written, and then the file on disk is the one that was there before.
    void Save(bool force);
    // Writes the given bytes instead of the document, with the same ".bak" copy and atomic
    // replace as Save. For a caller that took the bytes this document was read from and changed
    // in them exactly what it changed in the document, so that nothing else is rewritten.
    void SaveBytes(const QByteArray& bytes);
    // Save(false), then drops the document.
    void Release();
    // Drops the document without writing anything.
    void Discard();

    // The document as it would be written, in ISO-8859-1 bytes with CRLF line breaks.
    std::string Serialize() const;

  private:
    friend class TXMLNode;
    TXMLProject(const QString& name, const QByteArray& bytes);
    // Reads the file's bytes into the document; EXMLError when they do not parse.
    void Parse(const QByteArray& bytes);
    pugi::xml_node_struct* FindPath(const QString& path);
    pugi::xml_node_struct* Root() const;
    void RequireOpen() const;
    void MarkModified() { modified_ = true; }
    void Write(const QByteArray& bytes);

    QString fileName_;
    std::unique_ptr<pugi::xml_document> document_;
    std::string text_;                // the parsed file's text; the document points into it
    mutable size_t expectedSize_ = 0; // size of the file as last read or written
    bool modified_ = false;
    bool backup_ = true;
};
