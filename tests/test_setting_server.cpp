/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Server connection profiles. */

#include "tests/support.h"

#include <string>
#include <vector>

using lmtest::NotifyCounter;
using lmtest::take_string;
using lmtest::Watch;

namespace {

using Server = TavrelModelSettingServer;

class Servers : public lmtest::Test {
 protected:
  static std::string describe (Server *server, gboolean with_identity = FALSE)
  {
    return take_string (tavrel_model_setting_server_to_string (server, with_identity));
  }

  static std::vector<std::string> databases_of (Server *server)
  {
    gint length = -1;
    const gchar *const *items = tavrel_model_setting_server_get_databases (server, &length);
    std::vector<std::string> out;
    for (gint i = 0; i < length; i++)
      out.emplace_back (items[i]);
    EXPECT_EQ (nullptr, items[length]) << "the vector is terminated after its length";
    return out;
  }

  /* 36 characters, 8-4-4-4-12, random (version 4), capitals only. */
  static bool is_identity (const char *uuid)
  {
    return uuid && g_regex_match_simple ("^[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[0-9A-F]{4}-[0-9A-F]{12}$", uuid,
                                         G_REGEX_DEFAULT, G_REGEX_MATCH_DEFAULT);
  }
};

/* A client's own profile kind with a property a plain profile lacks. */
struct TestServer {
  TavrelModelSettingServer parent_instance;
  gchar *colour;
};
struct TestServerClass {
  TavrelModelSettingServerClass parent_class;
};
G_DEFINE_TYPE (TestServer, test_server, TAVREL_MODEL_SETTING_TYPE_SERVER)
static void
test_server_class_init (TestServerClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->finalize = [] (GObject *object) {
    g_free (reinterpret_cast<TestServer *> (object)->colour);
    G_OBJECT_CLASS (test_server_parent_class)->finalize (object);
  };
  object_class->get_property = [] (GObject *object, guint, GValue *value, GParamSpec *) {
    g_value_set_string (value, reinterpret_cast<TestServer *> (object)->colour);
  };
  object_class->set_property = [] (GObject *object, guint, const GValue *value, GParamSpec *) {
    auto *self = reinterpret_cast<TestServer *> (object);
    g_free (self->colour);
    self->colour = g_value_dup_string (value);
  };
  g_object_class_install_property (object_class, 1,
                                   g_param_spec_string ("colour", nullptr, nullptr, nullptr, G_PARAM_READWRITE));
}
static void
test_server_init (TestServer *)
{
}

}  // namespace

TEST_F (Servers, PropertiesInOrderWithTheirDefaults)
{
  /* name, default of a new profile ("" for strings, a number or a truth as
   * text for the rest) */
  static const std::pair<const char *, const char *> table[] = {
      {"uuid", ""}, {"provider", "UNKNOWN"}, {"driver", ""}, {"title", ""}, {"host", ""}, {"port", "0"},
      {"instance", ""}, {"username", ""}, {"password", ""}, {"initial", ""}, {"filename", ""},
      {"location", ""}, {"extensions", ""}, {"databases", nullptr}, {"options", ""}, {"ssh-using", "FALSE"},
      {"ssh-process", "ssh"}, {"ssh-host", ""}, {"ssh-port", "22"}, {"ssh-auth-type", "password"},
      {"ssh-username", ""}, {"ssh-password", ""}, {"ssh-key-private-file", ""}, {"http-using", "FALSE"},
      {"http-process", "wstunnel"}, {"http-protocol", "http"}, {"http-host", ""}, {"http-port", "8080"},
      {"http-auth", "FALSE"}, {"http-username", ""}, {"http-password", ""}, {"http-ca-file", ""},
      {"http-cert-file", ""}, {"http-key-file", ""}, {"ssl-using", "FALSE"}, {"ssl-ca-file", ""},
      {"ssl-cert-file", ""}, {"ssl-key-file", ""}, {"ssl-mode", "require"}, {"ssl-password", ""},
  };
  g_autoptr (TavrelModelSettingServer) made = tavrel_model_setting_server_new ();
  /* A bare g_object_new holds the same defaults: nothing is construct-time. */
  g_autoptr (GObject) bare = G_OBJECT (g_object_new (TAVREL_MODEL_SETTING_TYPE_SERVER, nullptr));

  guint n = 0;
  g_autofree GParamSpec **pspecs = g_object_class_list_properties (G_OBJECT_GET_CLASS (made), &n);
  ASSERT_EQ (G_N_ELEMENTS (table), n);
  for (guint i = 0; i < n; i++) {
    GParamSpec *pspec = pspecs[i];
    const char *name = table[i].first, *expected = table[i].second;
    ASSERT_STREQ (name, pspec->name) << "property " << i + 1;
    const int observable = G_PARAM_READWRITE | G_PARAM_EXPLICIT_NOTIFY;
    EXPECT_EQ (observable, pspec->flags & observable) << name;
    EXPECT_FALSE (pspec->flags & (G_PARAM_CONSTRUCT | G_PARAM_CONSTRUCT_ONLY)) << name;

    for (GObject *object : {G_OBJECT (made), bare}) {
      g_auto (GValue) value = G_VALUE_INIT;
      g_value_init (&value, pspec->value_type);
      g_object_get_property (object, name, &value);
      const GValue *pspec_default = g_param_spec_get_default_value (pspec);
      switch (G_TYPE_FUNDAMENTAL (pspec->value_type)) {
      case G_TYPE_STRING:
        EXPECT_STREQ (expected, g_value_get_string (&value)) << name;
        EXPECT_EQ (nullptr, g_value_get_string (pspec_default)) << name;
        break;
      case G_TYPE_INT:
        EXPECT_EQ (atoi (expected), g_value_get_int (&value)) << name;
        EXPECT_EQ (atoi (expected), g_value_get_int (pspec_default)) << name;
        EXPECT_EQ (G_MININT, G_PARAM_SPEC_INT (pspec)->minimum) << name;
        EXPECT_EQ (G_MAXINT, G_PARAM_SPEC_INT (pspec)->maximum) << name;
        break;
      case G_TYPE_BOOLEAN:
        EXPECT_FALSE (g_value_get_boolean (&value)) << name;
        EXPECT_FALSE (g_value_get_boolean (pspec_default)) << name;
        break;
      default:
        ASSERT_EQ (G_TYPE_STRV, pspec->value_type) << name;
        auto *items = static_cast<gchar **> (g_value_get_boxed (&value));
        ASSERT_NE (nullptr, items) << "an empty vector, not none";
        EXPECT_EQ (nullptr, items[0]);
      }
    }
  }

  /* The exported getters read the same state. */
  EXPECT_STREQ ("password", tavrel_model_setting_server_get_ssh_auth_type (made));
  EXPECT_EQ (8080, tavrel_model_setting_server_get_http_port (made));
  EXPECT_TRUE (databases_of (made).empty ());
}

TEST_F (Servers, Description)
{
  g_autoptr (TavrelModelSettingServer) server = tavrel_model_setting_server_new ();
  EXPECT_EQ ("Server  => Provider:UNKNOWN, Initial:, Host:, port:0, User:, SSL:No, Tunnel:", describe (server));
  /* The identity part is there also when the identity is empty. */
  EXPECT_EQ ("Server  => Provider:UNKNOWN, Initial:, Host:, port:0, User:, SSL:No, Tunnel:, ID:",
             describe (server, TRUE));

  tavrel_model_setting_server_set_title (server, "db1");
  tavrel_model_setting_server_set_provider (server, "pg");
  tavrel_model_setting_server_set_driver (server, "x");
  tavrel_model_setting_server_set_initial (server, "main");
  tavrel_model_setting_server_set_host (server, "h");
  tavrel_model_setting_server_set_port (server, 5432);
  tavrel_model_setting_server_set_username (server, "u");
  tavrel_model_setting_server_set_ssl_using (server, TRUE);
  tavrel_model_setting_server_set_http_using (server, TRUE);
  tavrel_model_setting_server_set_http_protocol (server, "wss");
  for (const char *name : {"password", "ssh-password", "http-password", "ssl-password"})
    g_object_set (server, name, "secret", nullptr);
  EXPECT_EQ ("Server db1 => Provider:pg, Driver:x, Initial:main, Host:h, port:5432, User:u, SSL:Yes, Tunnel:WSS",
             describe (server));

  tavrel_model_setting_server_set_ssh_using (server, TRUE);
  tavrel_model_setting_server_set_uuid (server, "ABC");
  EXPECT_EQ ("Server db1 => Provider:pg, Driver:x, Initial:main, Host:h, port:5432, User:u, SSL:Yes, Tunnel:SSH, ID:ABC",
             describe (server, TRUE));

  /* Protocols are upper-cased as UTF-8 text; an empty driver is left out
   * like an absent one; negative ports print as given. */
  tavrel_model_setting_server_set_ssh_using (server, FALSE);
  tavrel_model_setting_server_set_http_protocol (server, "wßé");
  tavrel_model_setting_server_set_driver (server, "");
  tavrel_model_setting_server_set_port (server, G_MININT);
  EXPECT_EQ ("Server db1 => Provider:pg, Initial:main, Host:h, port:-2147483648, User:u, SSL:Yes, Tunnel:WSSÉ",
             describe (server));
}

TEST_F (Servers, DescriptionOfNullStrings)
{
  /* Any string may be set to null; it reads as empty, never "(null)". */
  g_autoptr (TavrelModelSettingServer) server = tavrel_model_setting_server_new ();
  for (const char *name : {"uuid", "provider", "driver", "title", "host", "username", "initial", "http-protocol"})
    g_object_set (server, name, nullptr, nullptr);
  EXPECT_EQ (nullptr, tavrel_model_setting_server_get_provider (server));
  tavrel_model_setting_server_set_http_using (server, TRUE);
  EXPECT_EQ ("Server  => Provider:, Initial:, Host:, port:0, User:, SSL:No, Tunnel:, ID:", describe (server, TRUE));
}

TEST_F (Servers, FreshIdentity)
{
  g_autoptr (TavrelModelSettingServer) first = tavrel_model_setting_server_new_with_provider ("pg");
  g_autoptr (TavrelModelSettingServer) second = tavrel_model_setting_server_new_with_provider ("pg");
  const gchar *uuid = tavrel_model_setting_server_get_uuid (first);
  EXPECT_TRUE (is_identity (uuid)) << uuid;
  EXPECT_TRUE (is_identity (tavrel_model_setting_server_get_uuid (second)));
  EXPECT_STRNE (uuid, tavrel_model_setting_server_get_uuid (second));
  EXPECT_STREQ ("pg", tavrel_model_setting_server_get_provider (first));

  /* construct builds the given subtype. */
  g_autoptr (TavrelModelSettingServer) derived = tavrel_model_setting_server_construct_with_provider (test_server_get_type (), "my");
  EXPECT_EQ (test_server_get_type (), G_OBJECT_TYPE (derived));
  EXPECT_TRUE (is_identity (tavrel_model_setting_server_get_uuid (derived)));
}

TEST_F (Servers, CloneCopiesEveryProperty)
{
  g_autoptr (TavrelModelSettingServer) source = tavrel_model_setting_server_new_with_provider ("pg");
  guint n = 0;
  g_autofree GParamSpec **pspecs = g_object_class_list_properties (G_OBJECT_GET_CLASS (source), &n);
  for (guint i = 0; i < n; i++) {
    g_auto (GValue) value = G_VALUE_INIT;
    g_value_init (&value, pspecs[i]->value_type);
    g_autofree gchar *text = g_strdup_printf ("v%u", i);
    if (pspecs[i]->value_type == G_TYPE_STRING)
      g_value_set_string (&value, text);
    else if (pspecs[i]->value_type == G_TYPE_INT)
      g_value_set_int (&value, -1000 - gint (i));
    else if (pspecs[i]->value_type == G_TYPE_BOOLEAN)
      g_value_set_boolean (&value, TRUE);
    else {
      const gchar *items[] = {"a", "b", nullptr};
      g_value_set_boxed (&value, items);
    }
    g_object_set_property (G_OBJECT (source), pspecs[i]->name, &value);
  }

  for (gboolean new_identity : {gboolean (FALSE), gboolean (TRUE)}) {
    g_autoptr (TavrelModelSettingServer) copy = tavrel_model_setting_server_clone (source, new_identity);
    ASSERT_NE (source, copy);
    for (guint i = 0; i < n; i++) {
      g_auto (GValue) a = G_VALUE_INIT;
      g_auto (GValue) b = G_VALUE_INIT;
      g_value_init (&a, pspecs[i]->value_type);
      g_value_init (&b, pspecs[i]->value_type);
      g_object_get_property (G_OBJECT (source), pspecs[i]->name, &a);
      g_object_get_property (G_OBJECT (copy), pspecs[i]->name, &b);
      g_autofree gchar *want = g_strdup_value_contents (&a);
      g_autofree gchar *got = g_strdup_value_contents (&b);
      if (strcmp (pspecs[i]->name, "uuid") == 0 && new_identity) {
        EXPECT_STRNE (want, got);
        EXPECT_TRUE (is_identity (tavrel_model_setting_server_get_uuid (copy)));
      } else {
        EXPECT_STREQ (want, got) << pspecs[i]->name << (new_identity ? " (new identity)" : "");
      }
    }
    /* Strings and databases are the copy's own. */
    EXPECT_NE (tavrel_model_setting_server_get_host (source), tavrel_model_setting_server_get_host (copy));
    const gchar *others[] = {"z"};
    tavrel_model_setting_server_set_databases (copy, others, 1);
    EXPECT_EQ ((std::vector<std::string> {"a", "b"}), databases_of (source));
    EXPECT_EQ ((std::vector<std::string> {"z"}), databases_of (copy));
  }
}

TEST_F (Servers, CloneOfASubclassMakesAPlainProfile)
{
  g_autoptr (TavrelModelSettingServer) source = tavrel_model_setting_server_construct (test_server_get_type ());
  g_object_set (source, "colour", "teal", "host", "db.example", "ssh-port", 2222, nullptr);
  /* The copy has no colour: it is skipped without a warning, and the
   * profile's own properties still arrive. */
  g_autoptr (TavrelModelSettingServer) copy = tavrel_model_setting_server_clone (source, FALSE);
  EXPECT_EQ (TAVREL_MODEL_SETTING_TYPE_SERVER, G_OBJECT_TYPE (copy));
  EXPECT_STREQ ("db.example", tavrel_model_setting_server_get_host (copy));
  EXPECT_EQ (2222, tavrel_model_setting_server_get_ssh_port (copy));
}

TEST_F (Servers, DatabasesAreDeepCopiedByCount)
{
  g_autoptr (TavrelModelSettingServer) server = tavrel_model_setting_server_new ();
  NotifyCounter notified (server, "databases");
  gchar a[] = "alpha", b[] = "beta";
  const gchar *items[] = {a, b, "gamma", nullptr};

  tavrel_model_setting_server_set_databases (server, items, 2);
  EXPECT_EQ (1, notified.count ());
  a[0] = 'A';
  EXPECT_EQ ((std::vector<std::string> {"alpha", "beta"}), databases_of (server));

  /* The very array held is no change; an equal one is. */
  gint length = 0;
  const gchar *const *held = tavrel_model_setting_server_get_databases (server, &length);
  tavrel_model_setting_server_set_databases (server, held, length);
  EXPECT_EQ (1, notified.count ());
  EXPECT_EQ (held, tavrel_model_setting_server_get_databases (server, nullptr));
  const gchar *equal[] = {"alpha", "beta"};
  tavrel_model_setting_server_set_databases (server, equal, 2);
  EXPECT_EQ (2, notified.count ());

  /* A shorter count of the array held truncates it safely. */
  held = tavrel_model_setting_server_get_databases (server, nullptr);
  tavrel_model_setting_server_set_databases (server, held + 1, 1);
  EXPECT_EQ ((std::vector<std::string> {"beta"}), databases_of (server));
  held = tavrel_model_setting_server_get_databases (server, &length);
  tavrel_model_setting_server_set_databases (server, held, 0);
  EXPECT_TRUE (databases_of (server).empty ());
  EXPECT_EQ (4, notified.count ());

  tavrel_model_setting_server_set_databases (server, nullptr, 0);
  EXPECT_EQ (5, notified.count ());
  EXPECT_NE (nullptr, tavrel_model_setting_server_get_databases (server, nullptr));
}

TEST_F (Servers, DatabasesThroughThePropertySystem)
{
  g_autoptr (TavrelModelSettingServer) server = tavrel_model_setting_server_new ();
  NotifyCounter notified (server, "databases");
  const gchar *items[] = {"one", "two", "three", nullptr};
  g_object_set (server, "databases", items, nullptr);
  EXPECT_EQ ((std::vector<std::string> {"one", "two", "three"}), databases_of (server));
  g_object_set (server, "databases", items, nullptr);
  EXPECT_EQ (2, notified.count ()) << "the property system hands over a copy: always another array";

  g_auto (GStrv) read = nullptr;
  g_object_get (server, "databases", &read, nullptr);
  ASSERT_EQ (3u, g_strv_length (read));
  EXPECT_NE (static_cast<const void *> (read),
             static_cast<const void *> (tavrel_model_setting_server_get_databases (server, nullptr)));

  g_object_set (server, "databases", nullptr, nullptr);
  EXPECT_TRUE (databases_of (server).empty ());
  EXPECT_EQ (3, notified.count ());
}

TEST_F (Servers, BadDatabasesChangeNothing)
{
  g_autoptr (TavrelModelSettingServer) server = tavrel_model_setting_server_new ();
  const gchar *items[] = {"keep", nullptr};
  tavrel_model_setting_server_set_databases (server, items, 1);
  NotifyCounter notified (server, "databases");

  tavrel_model_setting_server_set_databases (server, items, -1);
  expect_critical ("tavrel_model_setting_server_set_databases: assertion 'length >= 0' failed");
  tavrel_model_setting_server_set_databases (server, nullptr, 2);
  expect_critical ("tavrel_model_setting_server_set_databases: assertion 'value != NULL || length == 0' failed");
  /* A count past the terminator would read memory that is not the array. */
  tavrel_model_setting_server_set_databases (server, items, 2);
  expect_critical ("tavrel_model_setting_server_set_databases: assertion 'value[i] != NULL' failed");

  EXPECT_EQ (0, notified.count ());
  EXPECT_EQ ((std::vector<std::string> {"keep"}), databases_of (server));
}

TEST_F (Servers, NotifiesOnlyOnChange)
{
  g_autoptr (TavrelModelSettingServer) server = tavrel_model_setting_server_new ();
  NotifyCounter host (server, "host"), port (server, "port"), ssl (server, "ssl-using");

  tavrel_model_setting_server_set_host (server, "");
  g_object_set (server, "host", "", nullptr);
  EXPECT_EQ (0, host.count ());
  tavrel_model_setting_server_set_host (server, "db");
  g_object_set (server, "host", "db", nullptr);
  EXPECT_EQ (1, host.count ());
  tavrel_model_setting_server_set_host (server, nullptr);
  EXPECT_EQ (2, host.count ()) << "null differs from \"\" and is stored as given";
  EXPECT_EQ (nullptr, tavrel_model_setting_server_get_host (server));

  /* Integers take the whole signed range, unvalidated. */
  tavrel_model_setting_server_set_port (server, 0);
  EXPECT_EQ (0, port.count ());
  g_object_set (server, "port", G_MAXINT, nullptr);
  tavrel_model_setting_server_set_port (server, G_MAXINT);
  EXPECT_EQ (1, port.count ());
  EXPECT_EQ (G_MAXINT, tavrel_model_setting_server_get_port (server));
  tavrel_model_setting_server_set_port (server, -1);
  EXPECT_EQ (2, port.count ());

  /* Any non-zero truth is TRUE: 2 after TRUE is no change. */
  tavrel_model_setting_server_set_ssl_using (server, 2);
  EXPECT_EQ (TRUE, tavrel_model_setting_server_get_ssl_using (server));
  tavrel_model_setting_server_set_ssl_using (server, TRUE);
  g_object_set (server, "ssl-using", TRUE, nullptr);
  EXPECT_EQ (1, ssl.count ());
  g_object_set (server, "ssl-using", FALSE, nullptr);
  EXPECT_EQ (2, ssl.count ());
}

TEST_F (Servers, RejectsNullAndForeignArguments)
{
  EXPECT_EQ (nullptr, tavrel_model_setting_server_new_with_provider (nullptr));
  expect_critical ("tavrel_model_setting_server_new_with_provider: assertion '_provider != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_setting_server_construct_with_provider (TAVREL_MODEL_SETTING_TYPE_SERVER, nullptr));
  expect_critical ("tavrel_model_setting_server_construct_with_provider: assertion '_provider != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_setting_server_construct_with_provider (G_TYPE_OBJECT, "pg"));
  expect_critical ("tavrel_model_setting_server_construct_with_provider: assertion 'g_type_is_a (object_type, "
                   "TAVREL_MODEL_SETTING_TYPE_SERVER)' failed");

  EXPECT_EQ (nullptr, tavrel_model_setting_server_clone (nullptr, TRUE));
  expect_critical ("tavrel_model_setting_server_clone: assertion 'self != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_setting_server_to_string (nullptr, FALSE));
  expect_critical ("tavrel_model_setting_server_to_string: assertion 'self != NULL' failed");
  gint length = 7;
  EXPECT_EQ (nullptr, tavrel_model_setting_server_get_databases (nullptr, &length));
  expect_critical ("tavrel_model_setting_server_get_databases: assertion 'self != NULL' failed");
  EXPECT_EQ (0, length);
  tavrel_model_setting_server_set_databases (nullptr, nullptr, 0);
  expect_critical ("tavrel_model_setting_server_set_databases: assertion 'self != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_setting_server_get_ssh_key_private_file (nullptr));
  expect_critical ("tavrel_model_setting_server_get_ssh_key_private_file: assertion 'self != NULL' failed");

  g_autoptr (TavrelModelSettingNetworkSetting) other = tavrel_model_setting_network_setting_new ();
  auto *foreign = reinterpret_cast<Server *> (other);
  EXPECT_EQ (nullptr, tavrel_model_setting_server_to_string (foreign, TRUE));
  expect_critical ("tavrel_model_setting_server_to_string: assertion 'TAVREL_MODEL_SETTING_IS_SERVER (self)' failed");
  tavrel_model_setting_server_set_host (foreign, "h");
  expect_critical ("tavrel_model_setting_server_set_host: assertion 'TAVREL_MODEL_SETTING_IS_SERVER (self)' failed");
  const gchar *items[] = {"x"};
  tavrel_model_setting_server_set_databases (foreign, items, 1);
  expect_critical ("tavrel_model_setting_server_set_databases: assertion 'TAVREL_MODEL_SETTING_IS_SERVER (self)' failed");
  EXPECT_STREQ ("", tavrel_model_setting_network_setting_get_proxy_host (other));
}

TEST_F (Servers, ReleasedWithTheLastReference)
{
  Server *source = tavrel_model_setting_server_new_with_provider ("pg");
  const gchar *items[] = {"a", "b"};
  tavrel_model_setting_server_set_databases (source, items, 2);
  Server *copy = tavrel_model_setting_server_clone (source, TRUE);
  Watch source_watch (source), copy_watch (copy);
  g_object_unref (source);
  EXPECT_TRUE (source_watch.finalized ());
  EXPECT_EQ ((std::vector<std::string> {"a", "b"}), databases_of (copy));
  g_object_unref (copy);
  EXPECT_TRUE (copy_watch.finalized ());
}
