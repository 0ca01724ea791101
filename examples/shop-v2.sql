-- SPDX-License-Identifier: LGPL-2.1-or-later
-- The sample shop, second version (:shop-v2 in modeltool), as shop-v1.sql
-- became a month later: the customers' email column renamed, a table of
-- reviews added, the index of orders by customer dropped, cancelled orders
-- allowed by the status check, and orders updated, added and deleted.

PRAGMA user_version = 2;

CREATE TABLE customers (
  id             INTEGER PRIMARY KEY AUTOINCREMENT,
  name           TEXT NOT NULL,
  email_address  TEXT NOT NULL UNIQUE COLLATE NOCASE,
  joined         DATE NOT NULL DEFAULT (date('now'))
);

CREATE TABLE products (
  sku     TEXT PRIMARY KEY,
  title   VARCHAR(80) NOT NULL,
  price   NUMERIC(10,2) NOT NULL CHECK (price >= 0),
  weight  REAL  -- kilograms
) WITHOUT ROWID;

CREATE TABLE orders (
  id           INTEGER PRIMARY KEY,
  customer_id  INTEGER NOT NULL REFERENCES customers (id) ON DELETE CASCADE,
  placed_at    DATETIME NOT NULL,
  status       TEXT NOT NULL DEFAULT 'new',
  CONSTRAINT orders_status_check CHECK (status IN ('new', 'paid', 'shipped', 'cancelled'))
);

CREATE TABLE order_items (
  order_id  INTEGER NOT NULL REFERENCES orders (id) ON DELETE CASCADE,
  sku       TEXT NOT NULL REFERENCES products (sku) ON UPDATE CASCADE,
  quantity  INTEGER NOT NULL CHECK (quantity > 0),
  PRIMARY KEY (order_id, sku)
);

CREATE TABLE order_log (
  order_id  INTEGER NOT NULL,
  status    TEXT NOT NULL,
  at        TEXT NOT NULL
);

CREATE TABLE reviews (
  sku          TEXT NOT NULL REFERENCES products (sku),
  customer_id  INTEGER NOT NULL REFERENCES customers (id),
  stars        INTEGER NOT NULL CHECK (stars BETWEEN 1 AND 5),
  body         TEXT,
  PRIMARY KEY (sku, customer_id)
);

CREATE INDEX orders_open ON orders (placed_at DESC) WHERE status <> 'shipped';

CREATE VIEW order_overview AS
  select o.id as order_id, c.name as customer, o.status as status
  from orders o join customers c on c.id = o.customer_id;

CREATE TRIGGER orders_log_status AFTER UPDATE OF status ON orders
  FOR EACH ROW WHEN new.status <> old.status
BEGIN
  INSERT INTO order_log (order_id, status, at) VALUES (new.id, new.status, datetime('now'));
END;

INSERT INTO customers (id, name, email_address, joined) VALUES
  (1, 'Ana Ruiz', 'ana@example.org', '2024-01-05'),
  (2, 'Ben Okafor', 'ben.okafor@example.com', '2024-01-09'),
  (3, 'Zoë Ålund', 'zoe@example.org', '2024-02-11'),
  (4, 'Chidi Eze', 'chidi@example.net', '2024-03-20');

INSERT INTO products (sku, title, price, weight) VALUES
  ('TEA-01', 'Green tea, 100 g', 4.90, 0.1),
  ('CUP-02', 'Stoneware cup', 12.00, 0.35),
  ('POT-03', 'Teapot, 1 l', 29.90, 0.9);

INSERT INTO orders (id, customer_id, placed_at, status) VALUES
  (1, 1, '2024-03-01 10:15:00', 'shipped'),
  (2, 2, '2024-03-02 16:40:00', 'shipped'),
  (3, 1, '2024-03-05 09:05:00', 'cancelled'),
  (5, 4, '2024-03-21 08:30:00', 'new');

INSERT INTO order_items (order_id, sku, quantity) VALUES
  (1, 'TEA-01', 2),
  (1, 'CUP-02', 2),
  (2, 'POT-03', 1),
  (3, 'TEA-01', 5),
  (5, 'TEA-01', 1);

INSERT INTO reviews (sku, customer_id, stars, body) VALUES
  ('POT-03', 2, 5, 'Pours without a drip.');
