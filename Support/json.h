/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * The JSON shapes of list- and map-valued properties, one function each way
 * for every shape, used by every hook that writes or reads one.
 *
 * Writing takes the live container (null reads as empty) and always gives
 * a node.  Reading never trusts the document: a node of the wrong JSON type
 * gives an empty container, and an element that cannot be read is skipped;
 * the result is always a new container.
 */

#include <gee.h>
#include <json-glib/json-glib.h>

namespace lm::json {

/* A text read from a document, as UTF-8.  json-glib's parser decodes an
 * unpaired surrogate escape ("\ud800") into bytes that are no UTF-8, and a
 * document built in memory may hold any bytes; kept as they are, they would
 * be written into a document no parser reads back.  Each sequence that is
 * no UTF-8 becomes U+FFFD and the rest of the text is kept. */
class Utf8 {
 public:
  explicit Utf8 (const gchar *text);
  Utf8 (const Utf8 &) = delete;
  Utf8 &operator= (const Utf8 &) = delete;
  ~Utf8 () { g_free (repaired_); }
  const gchar *get () const { return repaired_ ? repaired_ : text_; }

 private:
  const gchar *text_;
  gchar *repaired_ = nullptr;
};

/* The same for a string a GValue holds (other values are left alone). */
void make_utf8 (GValue *value);

/* {"key": "value", ...} in the map's iteration order. */
JsonNode *from_string_map (GeeMap *map);
/* A member whose value is not a JSON string is kept with the value "";
 * names and values are made UTF-8. */
GeeHashMap *to_string_map (JsonNode *node);

/* ["text", ...] in list order. */
JsonNode *from_string_list (GeeArrayList *list);
/* An element that is not a JSON string is skipped; the others are made
 * UTF-8. */
GeeArrayList *to_string_list (JsonNode *node);

/* [{...}, ...]: each element's own JSON form, in list order; with_class adds
 * the member "class" holding the element's registered type name. */
JsonNode *from_object_list (GeeArrayList *list, bool with_class);
/* A list of element_type holding each array element read as element_type
 * or, by_class, as the registered type its "class" member names, which
 * must be an instantiable class derived from element_type.  Elements that
 * are no JSON object, or whose class is missing, unknown or of another
 * family, are skipped. */
GeeArrayList *to_object_list (JsonNode *node, GType element_type, bool by_class);

}  // namespace lm::json
