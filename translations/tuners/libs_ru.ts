<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>RADarir::BassGuitarTuner</name>
    <message>
        <source>5 Strings</source>
        <translation>5 струн</translation>
    </message>
    <message>
        <source>4 Strings</source>
        <translation>4 струны</translation>
    </message>
</context>
<context>
    <name>RADarir::ModesPanel</name>
    <message>
        <source>Modes</source>
        <translation>Режимы</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>Must Have</source>
        <translation>Самое нужное</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>Приятные мелочи</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Читать</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Смотреть</translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation>Википедия</translation>
    </message>
</context>
<context>
    <name>RADarir::TunerBasePage</name>
    <message>
        <source>The sound %1 is missing from the program&apos;s files.</source>
        <translation>Звук %1 отсутствует в файлах программы.</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersCommonPanel</name>
    <message>
        <source>Pitch</source>
        <translation>Строй</translation>
    </message>
    <message>
        <source>Repeat the Sounds</source>
        <translation>Повторять звуки</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>A4:415Hz (Baroque Pitch)</source>
        <translation>A4:415Hz (барочный строй)</translation>
    </message>
    <message>
        <source>A4:430Hz (Scintific Pitch)</source>
        <translation>A4:430Hz (научный строй)</translation>
    </message>
    <message>
        <source>A4:435Hz (France1859 Pitch)</source>
        <translation>A4:435Hz (строй Франции 1859)</translation>
    </message>
    <message>
        <source>A4:439Hz (New Philarmonic Pitch)</source>
        <translation>A4:439Hz (новый филармонический строй)</translation>
    </message>
    <message>
        <source>A4:440Hz (Concert Pitch)</source>
        <translation>A4:440Hz (концертный строй)</translation>
    </message>
    <message>
        <source>A4:442Hz (Boston Symphony Orchestra Pitch)</source>
        <translation>A4:442Hz (строй Бостонского симфонического оркестра)</translation>
    </message>
    <message>
        <source>A4:443Hz (New Berliner Philharmonic Pitch)</source>
        <translation>A4:443Hz (строй новой Берлинской филармонии)</translation>
    </message>
    <message>
        <source>A4:445Hz (Old Berliner Philharmonic Pitch)</source>
        <translation>A4:445Hz (строй старой Берлинской филармонии)</translation>
    </message>
    <message>
        <source>A4:452Hz (Old Philarmonic Pitch)</source>
        <translation>A4:452Hz (старый филармонический строй)</translation>
    </message>
    <message>
        <source>A4:460Hz (Renaissance Pitch)</source>
        <translation>A4:460Hz (строй эпохи Возрождения)</translation>
    </message>
    <message>
        <source>Rate this App</source>
        <translation>Оценить приложение</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Поделиться</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Другие приложения</translation>
    </message>
    <message>
        <source>Contacts Us</source>
        <translation>Связаться с нами</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Страница поддержки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersExplorer</name>
    <message>
        <source>Guitar</source>
        <translation>Гитара</translation>
    </message>
    <message>
        <source>BassGuitar</source>
        <translation>Бас-гитара</translation>
    </message>
    <message>
        <source>Ukulele</source>
        <translation>Укулеле</translation>
    </message>
    <message>
        <source>Banjo</source>
        <translation>Банджо</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Скрипка</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Альт</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Виолончель</translation>
    </message>
    <message>
        <source>DoubleBass</source>
        <translation>Контрабас</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>Мандолина</translation>
    </message>
    <message>
        <source>Balalaika</source>
        <translation>Балалайка</translation>
    </message>
    <message>
        <source>Dombra</source>
        <translation>Домбра</translation>
    </message>
    <message>
        <source>Harmonaut</source>
        <translation>Harmonaut</translation>
    </message>
</context>
</TS>
