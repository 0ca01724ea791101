/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * The catalogue's JSON form: a class byte picks one of the catalogue
 * classes, the rest is a document read into an object of that class.
 * Whatever the document held, the object is written back and read again,
 * twice: the second and third writings must be the same document, or a
 * member was written in a form its own reader does not read back.  (The
 * first may differ: a string the document set to null is left out of the
 * writing, as a declared default, and reads back as the "" a fresh object
 * holds.)  The same document, not the same text: a map's members are
 * written in the order of its hash table, which the order they were read
 * in changes.
 */

#include "fuzz/fuzz.h"

#include "Meta/object.h"

#include <optional>

static GType
class_of (uint8_t byte)
{
  const auto &classes = lm::meta::catalogue_classes ();
  return classes[byte % classes.size ()] ();
}

static std::string
written (GObject *object)
{
  g_autofree gchar *json = json_gobject_to_data (object, nullptr);
  return json ? json : "";
}

/* An object of type read from text, as json_gobject_from_data reads it,
 * or NULL when the text holds no JSON object.  (json_gobject_from_data
 * itself logs a critical of json-glib's own for an empty text.) */
static GObject *
read (GType type, const std::string &text)
{
  g_autoptr (JsonParser) parser = json_parser_new ();
  if (!json_parser_load_from_data (parser, text.data (), gssize (text.size ()), nullptr))
    return nullptr;
  JsonNode *root = json_parser_get_root (parser);
  if (!root || !JSON_NODE_HOLDS_OBJECT (root))
    return nullptr;
  return json_gobject_deserialize (type, root);
}

static bool
same_document (const std::string &a, const std::string &b)
{
  g_autoptr (JsonNode) x = json_from_string (a.c_str (), nullptr);
  g_autoptr (JsonNode) y = json_from_string (b.c_str (), nullptr);
  return x && y && json_node_equal (x, y);
}

/* The writing of what reading text gives. */
static std::string
read_and_written (GType type, const std::string &text)
{
  g_autoptr (GObject) object = read (type, text);
  if (!object)
    lmfuzz::fail ("the library's own writing does not read back", text);
  return written (object);
}

extern "C" int
LLVMFuzzerTestOneInput (const uint8_t *data, size_t size)
{
  lmfuzz::init ();
  if (size < 1)
    return 0;
  GType type = class_of (data[0]);
  std::string document = lmfuzz::text_of (data + 1, size - 1);
  std::optional<lmfuzz::Tolerant> tolerant;
  if (!g_utf8_validate (document.data (), gssize (document.size ()), nullptr))
    tolerant.emplace ();

  g_autoptr (GObject) first = read (type, document);
  if (!first)
    return 0;
  std::string twice = read_and_written (type, written (first));
  std::string thrice = read_and_written (type, twice);
  if (twice != thrice && !same_document (twice, thrice))
    lmfuzz::fail ("written, read and written again, a document changed", twice + "\n---\n" + thrice);
  return 0;
}
