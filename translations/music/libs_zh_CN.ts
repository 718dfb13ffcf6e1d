<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>RADarir::BaseMainPage</name>
    <message>
        <source>Must Have</source>
        <translation>必备</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>锦上添花</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>阅读</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>聆听</translation>
    </message>
    <message>
        <source>See</source>
        <translation>观看</translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation>维基百科</translation>
    </message>
</context>
<context>
    <name>RADarir::FavoritesDeleteDlg</name>
    <message>
        <source>Delete the chords</source>
        <translation>删除和弦</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>RADarir::Transposer</name>
    <message>
        <source>Add chord</source>
        <translation>添加和弦</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>收藏</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>声音开</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>移调</translation>
    </message>
    <message>
        <source>Remove selected chord</source>
        <translation>移除所选和弦</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>声音关</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>删除(&amp;D)…</translation>
    </message>
    <message>
        <source>Save Favorite</source>
        <translation>保存收藏</translation>
    </message>
    <message>
        <source>Favorite&apos;s Name:</source>
        <translation>收藏名称：</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Can not create the favorite without name</source>
        <translation>没有名称无法创建收藏</translation>
    </message>
    <message>
        <source>Remove the favorite:
 &quot;</source>
        <translation>删除收藏：
 “</translation>
    </message>
    <message>
        <source>&quot;?</source>
        <translation>”？</translation>
    </message>
</context>
</TS>
