#!/usr/bin/env python3
# SPDX-License-Identifier: LGPL-2.1-or-later
"""Writes the cases of the bad-argument suite from the public headers.

Every exported function is called once with NULL for each pointer argument
in turn, once with an object of another class for each object argument, and
construct functions once with a type that is not theirs; every other
argument holds a valid value (tests/bad_arguments.cpp says what "valid" is
for each kind of argument).  A function added to the headers is covered at
the next build without anything written by hand.  An argument of a type
this script does not know stops the build: it says which rule to add, so
nothing new can slip past uncovered.

It also writes, for the thread suite, a header that lists every get_type
function the headers declare.

usage: bad_arguments.py include/libmodel.h cases.cpp types.h
"""

import os
import re
import sys

# Pointer arguments that take NULL by design.  They are called with NULL
# too, and must then log nothing at all.
ACCEPTS_NULL = [
    # Setters take NULL: strings are nullable throughout (NULL is a value
    # distinct from ""), a list or map set to NULL reads as empty, a value
    # may hold no bytes, date-time or buffer.
    (r"^(?!tavrel_model_map_).*_set_(?!value_at$)\w+$", "value", None),
    # The factory documents a null text; a cell may have none.
    (r"^tavrel_model_data_ivalue_factory$", "text", None),
    # Out-parameters are optional, as in GLib.
    (r"", "length", "gint *"),
    (r"", "position", "gint *"),
    (r"^tavrel_model_transform_patcher_", "patched", None),
    (r"^tavrel_model_map_lookup_", "version", None),
]

# Conditions whose text is not "<argument> != NULL" (None: every argument
# of the function).  Their wording is older than this suite and callers
# may match on it.
NULL_CONDITIONS = [
    (r"^tavrel_model_meta_meta_(role|user)_(new|construct)_with_names$", None, "_{name} != NULL"),
    (r"^tavrel_model_meta_meta_foreign_key_(new|construct)_with_refer$", "refer_table", "refere_table != NULL"),
    (r"^tavrel_model_setting_server_(new|construct)_with_provider$", "provider", "_provider != NULL"),
]

# Arrays handed in with their length in the next argument.
ARRAYS = {
    "const TavrelModelDataDataType *": "types",
    "const gint *": "ints",
    "const gchar *const *": "texts",
    "const guint8 *": "bytes",
    "TavrelModelMetaMetaObject **": "meta_objects",
}

# GObject types from outside the library, by C type.
FOREIGN_OBJECTS = {
    "GObject *": "G_TYPE_OBJECT",
    "GListModel *": "G_TYPE_LIST_MODEL",
    "GeeArrayList *": "GEE_TYPE_ARRAY_LIST",
    "GeeHashMap *": "GEE_TYPE_HASH_MAP",
    "GOutputStream *": "G_TYPE_OUTPUT_STREAM",
}

# Other pointers: the Probe function that makes a valid one.
BOXED = {
    "GDateTime *": "date_time",
    "const GDate *": "date",
    "GBytes *": "bytes",
    "JsonNode *": "json_node",
    "GParamSpec *": "param_spec",
    "const GValue *": "gvalue_in",
    "GValue *": "gvalue_out",
    "gunichar2 *": "utf16",
    "GAsyncResult *": "async_result",
}

# Functions that return a position return -1, not 0, when they refuse
# their arguments: 0 is a position.
POSITION_RESULTS = r"^tavrel_model_(data_table_model_(append|append_texts|insert)|list_(append_\w+|index_of_object))$"

# What the valid container of a list or map helper holds (Holding in
# tests/bad_arguments.h): its elements are checked before the other
# arguments, and setting a position needs one.
HOLDINGS = [
    (r"^tavrel_model_list_set_string$", "one_string"),
    (r"^tavrel_model_list_set_object$", "one_object"),
    (r"^tavrel_model_list_\w*strings?$", "strings"),
    (r"^tavrel_model_map_\w*version$", "versions"),
]

SCALARS = {
    "gboolean", "gint", "gint8", "gint16", "gint32", "gint64", "guint", "guint8", "guint16",
    "guint32", "guint64", "guchar", "gsize", "gfloat", "gdouble",
}

DECLARATION = re.compile(r"^TAVREL_MODEL_API (.+?)\b(tavrel_model_\w+) \((.*)\)(?: TAVREL_MODEL_NOEXCEPT| G_GNUC_CONST)?;$", re.M)
CLASS = re.compile(r"TAVREL_MODEL_DECLARE_(DERIVABLE|INTERFACE) \((\w+), (\w+),")
ENUM = re.compile(r"typedef enum TAVREL_MODEL_(?:ENUM|FLAGS) \{[^}]*\} (\w+);")


def headers(path):
    text = open(path, encoding="utf-8").read()
    for included in re.findall(r'#include "([^"]+)"', text):
        text += open(os.path.join(os.path.dirname(path), included), encoding="utf-8").read()
    return text


def split_argument(argument):
    match = re.match(r"(.*?)(\w+)$", argument.strip())
    return match.group(1).strip(), match.group(2)


def matches(rules, function, name, ctype):
    for pattern, rule_name, rule_type in rules:
        if re.search(pattern, function) and rule_name == name and rule_type in (None, ctype):
            return True
    return False


def null_condition(function, name):
    """The condition a NULL for name fails, as a regular expression."""
    for pattern, rule_name, text in NULL_CONDITIONS:
        if re.search(pattern, function) and rule_name in (None, name):
            return escape(text.format(name=name))
    return escape(f"{name} != NULL")


def wrong_type_condition(name):
    """Type checks have several shapes (a class's IS macro, GIO's,
    g_type_is_a for a constructed type, g_task_is_valid for a result):
    each names the argument."""
    return rf".*\b{name}\b.*"


def escape(text):
    """text as a regular expression that matches it alone (ECMAScript)."""
    return re.sub(r"([\\^$.|?*+()\[\]{}])", r"\\\1", text)


def c_string(text):
    return text.replace("\\", "\\\\").replace('"', '\\"')


class Generator:
    def __init__(self, text):
        self.classes = {name: prefix for _, name, prefix in CLASS.findall(text)}
        self.enums = set(ENUM.findall(text))
        self.functions = [(ret.strip(), name, args) for ret, name, args in DECLARATION.findall(text)]
        # A declaration in another shape than the one read above would
        # escape the suite unnoticed: every exported name must be read.
        declared = set(re.findall(r"TAVREL_MODEL_API\s[^;]*?\b(tavrel_model_\w+)\s*\(", text))
        for name in sorted(declared - {name for _, name, _ in self.functions}):
            self.fail(name, "a declaration not on one line")
        self.cases = []
        self.bodies = []

    def fail(self, function, message):
        sys.exit(f"bad_arguments.py: {function}: {message}; add a rule for it to tests/bad_arguments.py")

    def argument(self, function, index, ctype, name, arguments):
        """The expression that makes argument index, and its cases."""
        cases = []
        pointer = ctype.endswith("*")
        if pointer:
            if ctype in ARRAYS:
                # A NULL array may stand for no elements: the check then
                # names the length beside it ("texts != NULL || n_texts <= 0").
                count = arguments[index + 1][1]
                cases.append(("null_pointer", escape(f"{name} != NULL") + f"( {escape(f'|| {count} ')}.+)?"))
            elif matches(ACCEPTS_NULL, function, name, ctype):
                cases.append(("accepts_null", ""))
            else:
                cases.append(("null_pointer", null_condition(function, name)))
        base = ctype.rstrip("*").strip()
        if ctype == "GType" and name == "object_type":
            owner = re.match(r"(tavrel_model_\w+?)_construct", function)
            if not owner:
                self.fail(function, "a type argument of a function that constructs nothing")
            cases.append(("wrong_type", wrong_type_condition(name)))
            return f"p.object_type ({index}, {owner.group (1)}_get_type ())", cases
        if pointer and base in self.enums:
            # An enumeration written back: int-sized, read as an int.
            return f"reinterpret_cast<{base} *> (p.out_int ({index}))", cases
        if ctype in ("GType", "GAsyncReadyCallback", "gpointer") or base in self.enums or ctype in SCALARS:
            count = index > 0 and arguments[index - 1][0] in ARRAYS
            value = "1" if count else "0"
            if ctype == "GAsyncReadyCallback":
                return "never_called", []
            if ctype == "gpointer":
                return "gpointer (nullptr)", []
            return f"{ctype} ({value})", []
        if ctype.endswith("**") and base.rstrip("*").strip() in self.classes or ctype == "GError **":
            if ctype == "GError **":
                return f"p.error ({index})", []
            return f"p.out_object<{base.rstrip('*').strip()}> ({index})", cases
        if ctype in ARRAYS:
            return f"p.array_of_{ARRAYS[ctype]} ({index})", cases
        if ctype == "const gchar *":
            return f"p.text ({index})", cases
        if ctype == "gint *":
            return f"p.out_int ({index})", cases
        if base in self.classes:
            cases.append(("wrong_type", wrong_type_condition(name)))
            return f"p.object<{base}> ({index}, {self.classes[base]}_get_type ())", cases
        if ctype in FOREIGN_OBJECTS:
            if ctype != "GObject *":
                cases.append(("wrong_type", wrong_type_condition(name)))
            holding = next((h for pattern, h in HOLDINGS if re.search(pattern, function)), None)
            holding = f", Holding::{holding}" if holding and ctype.startswith("Gee") else ""
            return f"p.object<{base}> ({index}, {FOREIGN_OBJECTS[ctype]}{holding})", cases
        if ctype in BOXED:
            if ctype == "GAsyncResult *":
                cases.append(("wrong_type", wrong_type_condition(name)))
            return f"p.{BOXED[ctype]} ({index})", cases
        self.fail(function, f"argument {name} of unknown type {ctype}")

    def function(self, ret, function, args):
        arguments = [] if args.strip() == "void" else [split_argument(a) for a in args.split(",")]
        expressions = []
        for index, (ctype, name) in enumerate(arguments):
            expression, cases = self.argument(function, index, ctype, name, arguments)
            expressions.append(expression)
            for kind, condition in cases:
                self.cases.append((function, index, name, kind, condition))
        if not any(case[0] == function for case in self.cases):
            return
        # The arguments are made (and the objects among them recorded) before
        # the call, in their order, so that nothing the probe makes is
        # mistaken for an effect of the call.
        made = "".join(f"  auto a{i} = {e};\n" for i, e in enumerate(expressions))
        call = f"{function} ({', '.join(f'a{i}' for i in range(len(expressions)))})"
        if ret == "void":
            line = f"  p.call ([&] {{ {call}; }});"
        elif ret.endswith("*"):
            # What a call that succeeds here (an argument accepts NULL)
            # hands over: a new object from constructors and the factory,
            # a new array from the helpers that read a whole list.
            if re.search(r"_(new|construct)\w*$|_factory$", function):
                owned = "Owned::object"
            elif ret == "GObject **":
                owned = "Owned::objects"
            elif ret == "gchar **":
                owned = "Owned::strings"
            else:
                owned = "Owned::nothing"
            line = f"  p.call ([&] {{ p.returned_pointer ({call}, {owned}); }});"
        else:
            neutral = "-1" if re.search(POSITION_RESULTS, function) else "0"
            line = f"  p.call ([&] {{ p.returned_number ({call}, {neutral}); }});"
        self.bodies.append(f"static void\ncall_{function} (Probe &p)\n{{\n{made}{line}\n}}\n")

    def write(self, out):
        for ret, name, args in self.functions:
            self.function(ret, name, args)
        lines = [
            "/* Written by tests/bad_arguments.py from the public headers; do not edit. */",
            '#include "tests/bad_arguments.h"',
            "",
            "namespace lmtest::bad {",
            "",
        ]
        lines += self.bodies
        lines.append("const std::vector<Case> &\ncases ()\n{\n  static const std::vector<Case> all = {")
        for function, index, name, kind, condition in self.cases:
            lines.append(f'    {{"{function}", call_{function}, {index}, "{name}", Fault::{kind}, "{c_string(condition)}"}},')
        lines.append("  };\n  return all;\n}\n")
        lines.append("const std::vector<GType (*) ()> &\nclasses ()\n{\n  static const std::vector<GType (*) ()> all = {")
        lines += [f"    {prefix}_get_type," for prefix in self.classes.values()]
        lines.append("  };\n  return all;\n}\n")
        lines.append("\n}  // namespace lmtest::bad")
        with open(out, "w", encoding="utf-8") as stream:
            stream.write("\n".join(lines) + "\n")


def write_types(text, out):
    names = [prefix + "_get_type" for _, _, prefix in CLASS.findall(text)]
    names += re.findall(r"TAVREL_MODEL_API GType (tavrel_model_\w+_get_type) \(void\)", text)
    lines = ["/* Written by tests/bad_arguments.py from the public headers; do not edit. */",
             "#pragma once", "", "#define LMTEST_EVERY_GET_TYPE \\"]
    lines += [f"  {name}, \\" for name in names]
    lines.append("")
    with open(out, "w", encoding="utf-8") as stream:
        stream.write("\n".join(lines) + "\n")


def main():
    header, cases, types = sys.argv[1], sys.argv[2], sys.argv[3]
    text = headers(header)
    Generator(text).write(cases)
    write_types(text, types)


if __name__ == "__main__":
    main()
