/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A trigger of a table: the clauses of its definition as texts.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaTriggerPrivate {
  lm::String kind {""};
  lm::String target {""};
  lm::String body {""};
  lm::String definer {""};
  lm::String timing {""};
  lm::String event {""};
  lm::String when {""};
  lm::String order {""};
  lm::String trigger {""};
  lm::String columns {""};
  lm::String deferrable {""};
  lm::String deferred {""};
  lm::String function {""};
  lm::String arguments {""};
  lm::String for_each {""};
  lm::String refer_table {""};
  bool constraint = false;
  lm::String apply {""};
  bool enable = false;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaTrigger, tavrel_model_meta_meta_trigger, TAVREL_MODEL_META_TYPE_META_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaTrigger, tavrel_model_meta_meta_trigger, TavrelModelMetaMetaTriggerPrivate)

using P = TavrelModelMetaMetaTriggerPrivate;

static constexpr lm::Property trigger_properties[] = {
    LM_META_STRING (kind, "kind"),
    LM_META_STRING (target, "target"),
    LM_META_STRING (body, "body"),
    LM_META_STRING (definer, "definer"),
    LM_META_STRING (timing, "timing"),
    LM_META_STRING (event, "event"),
    LM_META_STRING (when, "when"),
    LM_META_STRING (order, "order"),
    LM_META_STRING (trigger, "trigger"),
    LM_META_STRING (columns, "columns"),
    LM_META_STRING (deferrable, "deferrable"),
    LM_META_STRING (deferred, "deferred"),
    LM_META_STRING (function, "function"),
    LM_META_STRING (arguments, "arguments"),
    LM_META_STRING (for_each, "for-each"),
    LM_META_STRING (refer_table, "refer-table"),
    LM_META_BOOLEAN (constraint, "constraint", FALSE),
    LM_META_STRING (apply, "apply"),
    LM_META_BOOLEAN (enable, "enable", FALSE),
};

static void
tavrel_model_meta_meta_trigger_class_init (TavrelModelMetaMetaTriggerClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_trigger_finalize;
  LM_META_CHARACTER (klass, TRIGGER);
  lm::install_properties<trigger_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_trigger, TavrelModelMetaMetaTrigger, TAVREL_MODEL_META_TYPE_META_TRIGGER)
LM_META_NAMED_CONSTRUCTORS (tavrel_model_meta_meta_trigger, TavrelModelMetaMetaTrigger, TAVREL_MODEL_META_TYPE_META_TRIGGER)

LM_META_NAMED_CONSTRUCTORS_WITH (tavrel_model_meta_meta_trigger, TavrelModelMetaMetaTrigger, TAVREL_MODEL_META_TYPE_META_TRIGGER,
                                 with_body, body, body)

#define SELF tavrel_model_meta_meta_trigger, TavrelModelMetaMetaTrigger, TAVREL_MODEL_META_IS_META_TRIGGER
LM_ACCESSORS (SELF, kind, const gchar *, NULL)
LM_ACCESSORS (SELF, target, const gchar *, NULL)
LM_ACCESSORS (SELF, body, const gchar *, NULL)
LM_ACCESSORS (SELF, definer, const gchar *, NULL)
LM_ACCESSORS (SELF, timing, const gchar *, NULL)
LM_ACCESSORS (SELF, event, const gchar *, NULL)
LM_ACCESSORS (SELF, when, const gchar *, NULL)
LM_ACCESSORS (SELF, order, const gchar *, NULL)
LM_ACCESSORS (SELF, trigger, const gchar *, NULL)
LM_ACCESSORS (SELF, columns, const gchar *, NULL)
LM_ACCESSORS (SELF, deferrable, const gchar *, NULL)
LM_ACCESSORS (SELF, deferred, const gchar *, NULL)
LM_ACCESSORS (SELF, function, const gchar *, NULL)
LM_ACCESSORS (SELF, arguments, const gchar *, NULL)
LM_ACCESSORS (SELF, for_each, const gchar *, NULL)
LM_ACCESSORS (SELF, refer_table, const gchar *, NULL)
LM_ACCESSORS (SELF, constraint, gboolean, FALSE)
LM_ACCESSORS (SELF, apply, const gchar *, NULL)
LM_ACCESSORS (SELF, enable, gboolean, FALSE)
#undef SELF
