#pragma once

#include <string>
#include <string_view>

// An XML document built in memory by libxml2's text writer, which escapes
// text and attribute values, encodes the document as UTF-8 and keeps the
// elements nested. Line breaks and indentation are written where the caller
// places them, so the files read well in a text editor.

using xmlTextWriterPtr = struct _xmlTextWriter*;
using xmlBufferPtr = struct _xmlBuffer*;

namespace vellmora {

class XmlWriter {
 public:
  // Starts the document with its declaration (version 1.0, UTF-8).
  XmlWriter();
  ~XmlWriter();
  XmlWriter(const XmlWriter&) = delete;
  XmlWriter& operator=(const XmlWriter&) = delete;

  void Open(std::string_view name);
  void Attribute(std::string_view name, std::string_view value);
  // UTF-8 text inside the open element.
  void Text(std::string_view text);
  // Closes the innermost open element with an end tag of its own, also when empty.
  void Close();
  // An element that holds just the text.
  void Element(std::string_view name, std::string_view text);
  // A line break and `indent` spaces before what follows.
  void NewLine(int indent);

  // The whole document, its open elements closed; throws std::runtime_error
  // when libxml2 failed at any step (it only fails for want of memory).
  std::string Finish();

 private:
  void Check(int result);

  xmlBufferPtr buffer_;
  xmlTextWriterPtr writer_;
  bool failed_ = false;
};

}  // namespace vellmora
