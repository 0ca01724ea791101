/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A rewrite rule of a table.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaRulePrivate {
  lm::String commands {""};
  lm::String action {""};
  lm::String event {""};
  lm::String where {""};
  lm::String apply {""};
  bool enable = false;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaRule, tavrel_model_meta_meta_rule, TAVREL_MODEL_META_TYPE_META_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaRule, tavrel_model_meta_meta_rule, TavrelModelMetaMetaRulePrivate)

using P = TavrelModelMetaMetaRulePrivate;

static constexpr lm::Property rule_properties[] = {
    LM_META_STRING (commands, "commands"),
    LM_META_STRING (action, "action"),
    LM_META_STRING (event, "event"),
    LM_META_STRING (where, "where"),
    LM_META_STRING (apply, "apply"),
    LM_META_BOOLEAN (enable, "enable", FALSE),
};

static void
tavrel_model_meta_meta_rule_class_init (TavrelModelMetaMetaRuleClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_rule_finalize;
  LM_META_CHARACTER (klass, RULE);
  lm::install_properties<rule_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_rule, TavrelModelMetaMetaRule, TAVREL_MODEL_META_TYPE_META_RULE)
LM_META_NAMED_CONSTRUCTORS (tavrel_model_meta_meta_rule, TavrelModelMetaMetaRule, TAVREL_MODEL_META_TYPE_META_RULE)

#define SELF tavrel_model_meta_meta_rule, TavrelModelMetaMetaRule, TAVREL_MODEL_META_IS_META_RULE
LM_ACCESSORS (SELF, commands, const gchar *, NULL)
LM_ACCESSORS (SELF, action, const gchar *, NULL)
LM_ACCESSORS (SELF, event, const gchar *, NULL)
LM_ACCESSORS (SELF, where, const gchar *, NULL)
LM_ACCESSORS (SELF, apply, const gchar *, NULL)
LM_ACCESSORS (SELF, enable, gboolean, FALSE)
#undef SELF
