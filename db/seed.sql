-- Content of a new database. The administrator's password is set (hashed) by the
-- database builder; the plain default 888 is shown in the login window.
INSERT INTO yhsz (yhmc, yhmm) VALUES ('系统管理员', '');
INSERT INTO quanxian (yh, qx) VALUES
  ('系统管理员', '系统设置'), ('系统管理员', '基本资料'), ('系统管理员', '采购开单'), ('系统管理员', '采购查询'),
  ('系统管理员', '零售开单'), ('系统管理员', '批发开单'), ('系统管理员', '销售查询'), ('系统管理员', '异动开单'),
  ('系统管理员', '异动查询'), ('系统管理员', '财务管理'), ('系统管理员', '库存归零'), ('系统管理员', '显示库存价格');
INSERT INTO danwei (mczc, mcdy, lxr, dh, cz, dz, bz1, bz2, bz3, bz4)
  VALUES ('柯星商店', '柯星商店', '', '', '', '', '', '', '谢谢惠顾，欢迎再次光临！', '商品如有质量问题，请凭此单于七日内调换。');
