// libxml2 does the reading: its HTML parser copes with the pages of real sites,
// and with node positions recorded each selected link can be found again in
// the page's own bytes.
#include "engines/ResultLinkRule.h"

#include <libxml/HTMLparser.h>
#include <libxml/SAX2.h>
#include <libxml/parserInternals.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "base/Text.h"
#include "engines/ResultPage.h"

namespace kestrova {
namespace {

// Bounds one evaluation, so a costly rule on a hostile page still ends.
constexpr unsigned long kXPathOperationLimit = 20'000'000;
constexpr int kHtmlOptions = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                             HTML_PARSE_NONET | HTML_PARSE_IGNORE_ENC;

void InitLibxml() {
  static std::once_flag once;
  std::call_once(once, [] { xmlInitParser(); });
}

struct ParserDeleter {
  void operator()(htmlParserCtxtPtr ctxt) const {
    if (ctxt->myDoc != nullptr) xmlFreeDoc(ctxt->myDoc);
    htmlFreeParserCtxt(ctxt);
  }
};
struct ContextDeleter {
  void operator()(xmlXPathContextPtr ctxt) const { xmlXPathFreeContext(ctxt); }
};
struct CompiledDeleter {
  void operator()(xmlXPathCompExprPtr expr) const { xmlXPathFreeCompExpr(expr); }
};
struct ObjectDeleter {
  void operator()(xmlXPathObjectPtr object) const { xmlXPathFreeObject(object); }
};
using ParserPtr = std::unique_ptr<xmlParserCtxt, ParserDeleter>;
using ContextPtr = std::unique_ptr<xmlXPathContext, ContextDeleter>;
using CompiledPtr = std::unique_ptr<xmlXPathCompExpr, CompiledDeleter>;
using ObjectPtr = std::unique_ptr<xmlXPathObject, ObjectDeleter>;

// Keeps the first message libxml2 reports instead of letting it print.
void KeepFirstError(void* userData, xmlErrorPtr error) {
  auto* kept = static_cast<std::string*>(userData);
  if (!kept->empty() || error == nullptr || error->message == nullptr) return;
  *kept = error->message;
  while (!kept->empty() && (kept->back() == '\n' || kept->back() == ' ')) kept->pop_back();
}

// The HTML after the header block of an HTTP answer (the whole text otherwise).
std::size_t BodyStart(std::string_view page) {
  if (!page.starts_with("HTTP/")) return 0;
  const std::size_t crlf = page.find("\r\n\r\n");
  const std::size_t lf = page.find("\n\n");
  if (crlf == std::string_view::npos && lf == std::string_view::npos) return page.size();
  return crlf < lf ? crlf + 4 : lf + 2;
}

// Where libxml2's reading stood when each element's start tag ended, as an
// offset into its UTF-8 copy of the page; the parser tells us through its
// start-of-element callback.
struct ParsedHtml {
  ParserPtr parser;
  std::unordered_map<const xmlNode*, std::size_t> tagEnds;
};

void StartElementKeepingPlace(void* userData, const xmlChar* name, const xmlChar** attributes) {
  auto* ctxt = static_cast<htmlParserCtxtPtr>(userData);
  xmlSAX2StartElement(userData, name, attributes);
  auto* parsed = static_cast<ParsedHtml*>(ctxt->_private);
  if (parsed == nullptr || ctxt->node == nullptr || ctxt->input == nullptr) return;
  const auto at = static_cast<std::size_t>(ctxt->input->cur - ctxt->input->base);
  parsed->tagEnds[ctxt->node] = static_cast<std::size_t>(ctxt->input->consumed) + at;
}

// Reads `html` as ISO-8859-1 whatever it declares, so every byte is one
// character and positions map back to bytes one to one (a byte above 127 is
// two bytes in libxml2's UTF-8).
bool ParseHtml(std::string_view html, ParsedHtml& parsed) {
  InitLibxml();
  std::string bytes(html);
  std::replace(bytes.begin(), bytes.end(), '\0', ' ');  // a NUL would end the parse
  if (bytes.empty()) bytes = " ";
  parsed.parser.reset(htmlCreateMemoryParserCtxt(bytes.data(), static_cast<int>(bytes.size())));
  htmlParserCtxtPtr ctxt = parsed.parser.get();
  if (ctxt == nullptr || ctxt->sax == nullptr) return false;
  htmlCtxtUseOptions(ctxt, kHtmlOptions);
  if (xmlCharEncodingHandlerPtr latin1 = xmlFindCharEncodingHandler("ISO-8859-1"))
    xmlSwitchToEncoding(ctxt, latin1);
  ctxt->sax->startElement = StartElementKeepingPlace;
  ctxt->_private = &parsed;
  htmlParseDocument(ctxt);
  ctxt->_private = nullptr;
  return ctxt->myDoc != nullptr;
}

ContextPtr NewContext(xmlDocPtr doc, std::string* error) {
  ContextPtr context(xmlXPathNewContext(doc));
  if (!context) return nullptr;
  context->opLimit = kXPathOperationLimit;
  context->userData = error;
  context->error = KeepFirstError;
  return context;
}

// libxml2's UTF-8 back to the page's single bytes; characters beyond Latin-1
// (from character references) are percent-coded as a browser would.
std::string ToPageBytes(const xmlChar* utf8) {
  std::string out;
  if (utf8 == nullptr) return out;
  for (const xmlChar* at = utf8; *at != 0;) {
    int length = 4;
    const int code = xmlGetUTF8Char(at, &length);
    if (code < 0 || length <= 0) break;
    if (code < 256) {
      out += static_cast<char>(code);
    } else {
      static constexpr char kHex[] = "0123456789ABCDEF";
      for (int i = 0; i < length; ++i) {
        out += '%';
        out += kHex[at[i] >> 4];
        out += kHex[at[i] & 15];
      }
    }
    at += length;
  }
  return out;
}

std::string AttributeValue(xmlNodePtr node) {
  xmlChar* value = xmlNodeGetContent(node);
  std::string text = ToPageBytes(value);
  xmlFree(value);
  return text;
}

// The link a selected node stands for, and its URL.
bool LinkOf(xmlNodePtr node, xmlNodePtr& element, std::string& href) {
  if (node->type == XML_ATTRIBUTE_NODE && node->parent != nullptr) {
    element = node->parent;
    href = AttributeValue(node);
    return true;
  }
  if (node->type == XML_ELEMENT_NODE) {
    xmlAttrPtr attribute = xmlHasProp(node, reinterpret_cast<const xmlChar*>("href"));
    if (attribute == nullptr) return false;
    element = node;
    href = AttributeValue(reinterpret_cast<xmlNodePtr>(attribute));
    return true;
  }
  return false;
}

// Byte offset in the page for an offset in libxml2's UTF-8 copy of it.
class OffsetMap {
 public:
  explicit OffsetMap(std::string_view bytes) : bytes_(bytes) {}
  // Offsets must come in rising order.
  std::size_t ToByte(std::size_t utf8Offset) {
    while (at_ < bytes_.size() && utf8_ < utf8Offset) {
      utf8_ += static_cast<unsigned char>(bytes_[at_]) < 0x80 ? 1 : 2;
      ++at_;
    }
    return at_;
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
  std::size_t utf8_ = 0;
};

// What libxml2's HTML parser takes into an element name; any other byte (a
// NUL, a control character, a byte above 127) ends the name.
bool IsHtmlNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ':' ||
         c == '-' || c == '_' || c == '.';
}

// The "<" that opens the start tag `name` ending at `tagEnd` (0-based), or npos.
std::size_t TagStart(std::string_view html, std::size_t tagEnd, std::string_view name) {
  for (std::size_t at = std::min(tagEnd, html.size()); at-- > 0;) {
    if (html[at] != '<') continue;
    const std::string_view rest = html.substr(at + 1);
    if (rest.size() >= name.size() && EqualsNoCase(rest.substr(0, name.size()), name) &&
        (rest.size() == name.size() || !IsHtmlNameCharacter(rest[name.size()]))) {
      return at;
    }
  }
  return std::string_view::npos;
}

std::string ResultTypeName(xmlXPathObjectType type) {
  switch (type) {
    case XPATH_BOOLEAN:
      return "a boolean";
    case XPATH_NUMBER:
      return "a number";
    case XPATH_STRING:
      return "a string";
    default:
      return "no node set";
  }
}

// The URL as it goes into the inserted link: surrounding blanks dropped, and
// what would end the attribute or the tag, or break a line, coded.
std::string LinkUrl(std::string_view href) {
  const std::size_t first = href.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  href = href.substr(first, href.find_last_not_of(" \t\r\n") - first + 1);
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url;
  for (char c : href) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127 || c == '"' || c == '<' || c == '>') {
      url += '%';
      url += kHex[byte >> 4];
      url += kHex[byte & 15];
    } else {
      url += c;
    }
  }
  return url;
}

}  // namespace

std::string CheckResultLinkRule(std::string_view expression) {
  if (expression.empty()) return "the rule is empty";
  ParsedHtml sample;
  if (!ParseHtml("<html><body><a href=\"http://a/\">a</a></body></html>", sample))
    return "libxml2 could not read a sample page";
  std::string error;
  ContextPtr context = NewContext(sample.parser->myDoc, &error);
  const std::string text(expression);
  CompiledPtr compiled(
      xmlXPathCtxtCompile(context.get(), reinterpret_cast<const xmlChar*>(text.c_str())));
  if (!compiled) return error.empty() ? "not an XPath 1.0 expression" : error;
  ObjectPtr result(xmlXPathCompiledEval(compiled.get(), context.get()));
  if (!result) return error.empty() ? "the expression cannot be evaluated" : error;
  if (result->type != XPATH_NODESET) {
    return "it gives " + ResultTypeName(result->type) +
           ", not the links (select their @href attributes or the link elements)";
  }
  return {};
}

std::vector<ResultLink> SelectResultLinks(std::string_view page, std::string_view expression) {
  std::vector<ResultLink> links;
  const std::size_t bodyStart = BodyStart(page);
  const std::string_view html = page.substr(bodyStart);
  ParsedHtml parsed;
  if (!ParseHtml(html, parsed)) return links;
  std::string error;
  ContextPtr context = NewContext(parsed.parser->myDoc, &error);
  const std::string text(expression);
  CompiledPtr compiled(
      xmlXPathCtxtCompile(context.get(), reinterpret_cast<const xmlChar*>(text.c_str())));
  if (!context || !compiled) return links;
  ObjectPtr result(xmlXPathCompiledEval(compiled.get(), context.get()));
  if (!result || result->type != XPATH_NODESET || result->nodesetval == nullptr) return links;

  struct Found {
    std::size_t utf8TagEnd;
    std::string name;
    std::string href;
  };
  std::vector<Found> found;
  const xmlNodeSetPtr nodes = result->nodesetval;
  for (int i = 0; i < nodes->nodeNr; ++i) {
    xmlNodePtr element = nullptr;
    std::string href;
    if (!LinkOf(nodes->nodeTab[i], element, href)) continue;
    const auto place = parsed.tagEnds.find(element);
    if (place == parsed.tagEnds.end() || element->name == nullptr) continue;
    found.push_back({place->second, reinterpret_cast<const char*>(element->name), std::move(href)});
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const Found& a, const Found& b) { return a.utf8TagEnd < b.utf8TagEnd; });
  OffsetMap map(html);
  for (Found& link : found) {
    const std::size_t at = TagStart(html, map.ToByte(link.utf8TagEnd), link.name);
    if (at == std::string_view::npos) continue;
    // A tag that the scan cannot place after the last one is left out rather
    // than break the page order the marking relies on.
    if (!links.empty() && links.back().tagStart >= bodyStart + at) continue;
    links.push_back({bodyStart + at, std::move(link.href)});
    if (links.size() == kMaxResultLinks) break;
  }
  return links;
}

void MarkResultLinks(std::string& pageText, std::string_view expression, Integer pageIndex) {
  const std::vector<ResultLink> links = SelectResultLinks(pageText, expression);
  std::string marked;
  marked.reserve(pageText.size() + links.size() * 96);
  std::size_t copied = 0;
  long k = 1;
  for (const ResultLink& link : links) {
    const std::string url = LinkUrl(link.href);
    if (url.empty()) continue;  // a link to nowhere is no result
    marked.append(pageText, copied, link.tagStart - copied);
    marked += "<b>" + std::to_string(10L * pageIndex + k++) + ". </b>";
    marked += kPointMarker;
    marked += "<a href=\"" + url + "\"></a>";
    copied = link.tagStart;
  }
  marked.append(pageText, copied, std::string::npos);
  pageText = std::move(marked);
}

}  // namespace kestrova
