<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>RADarir::BassGuitarTuner</name>
    <message>
        <source>5 Strings</source>
        <translation>5 弦</translation>
    </message>
    <message>
        <source>4 Strings</source>
        <translation>4 弦</translation>
    </message>
</context>
<context>
    <name>RADarir::ModesPanel</name>
    <message>
        <source>Modes</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
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
    <name>RADarir::TunerBasePage</name>
    <message>
        <source>The sound %1 is missing from the program&apos;s files.</source>
        <translation>程序文件中缺少声音 %1。</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersCommonPanel</name>
    <message>
        <source>Pitch</source>
        <translation>音高</translation>
    </message>
    <message>
        <source>Repeat the Sounds</source>
        <translation>重复声音</translation>
    </message>
    <message>
        <source>App</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>A4:415Hz (Baroque Pitch)</source>
        <translation>A4:415Hz (巴洛克音高)</translation>
    </message>
    <message>
        <source>A4:430Hz (Scintific Pitch)</source>
        <translation>A4:430Hz (科学音高)</translation>
    </message>
    <message>
        <source>A4:435Hz (France1859 Pitch)</source>
        <translation>A4:435Hz (法国 1859 音高)</translation>
    </message>
    <message>
        <source>A4:439Hz (New Philarmonic Pitch)</source>
        <translation>A4:439Hz (新爱乐音高)</translation>
    </message>
    <message>
        <source>A4:440Hz (Concert Pitch)</source>
        <translation>A4:440Hz (音乐会音高)</translation>
    </message>
    <message>
        <source>A4:442Hz (Boston Symphony Orchestra Pitch)</source>
        <translation>A4:442Hz (波士顿交响乐团音高)</translation>
    </message>
    <message>
        <source>A4:443Hz (New Berliner Philharmonic Pitch)</source>
        <translation>A4:443Hz (新柏林爱乐音高)</translation>
    </message>
    <message>
        <source>A4:445Hz (Old Berliner Philharmonic Pitch)</source>
        <translation>A4:445Hz (旧柏林爱乐音高)</translation>
    </message>
    <message>
        <source>A4:452Hz (Old Philarmonic Pitch)</source>
        <translation>A4:452Hz (旧爱乐音高)</translation>
    </message>
    <message>
        <source>A4:460Hz (Renaissance Pitch)</source>
        <translation>A4:460Hz (文艺复兴音高)</translation>
    </message>
    <message>
        <source>Rate this App</source>
        <translation>为此应用评分</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>更多应用</translation>
    </message>
    <message>
        <source>Contacts Us</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>支持页面</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersExplorer</name>
    <message>
        <source>Guitar</source>
        <translation>吉他</translation>
    </message>
    <message>
        <source>BassGuitar</source>
        <translation>贝斯</translation>
    </message>
    <message>
        <source>Ukulele</source>
        <translation>尤克里里</translation>
    </message>
    <message>
        <source>Banjo</source>
        <translation>班卓琴</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>小提琴</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>中提琴</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>大提琴</translation>
    </message>
    <message>
        <source>DoubleBass</source>
        <translation>低音提琴</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>曼陀林</translation>
    </message>
    <message>
        <source>Balalaika</source>
        <translation>巴拉莱卡琴</translation>
    </message>
    <message>
        <source>Dombra</source>
        <translation>冬不拉</translation>
    </message>
    <message>
        <source>Harmonaut</source>
        <translation>Harmonaut</translation>
    </message>
</context>
</TS>
