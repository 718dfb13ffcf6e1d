<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ZEDireroz::SettingsDialog</name>
    <message>
        <source> Settings</source>
        <translation> – Configurações</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Save the Settings</source>
        <translation>Salvar as configurações</translation>
    </message>
    <message>
        <source>Load the Settings</source>
        <translation>Carregar as configurações</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Salvar configurações</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Não foi possível salvar as configurações em %1: %2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Carregar configurações</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2</source>
        <translation>Não foi possível carregar as configurações de %1: %2</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2 (line %3)</source>
        <translation>Não foi possível carregar as configurações de %1: %2 (linha %3)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Pretende substituí-lo?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::Updater</name>
    <message>
        <source>&lt;H1&gt;&lt;CENTER&gt;Searching for the updates&lt;BR&gt;Please, wait ...&lt;/CENTER&gt;&lt;/H1&gt;</source>
        <translation>&lt;H1&gt;&lt;CENTER&gt;Procurando atualizações&lt;BR&gt;Aguarde, por favor ...&lt;/CENTER&gt;&lt;/H1&gt;</translation>
    </message>
    <message>
        <source>The update server answered with an error (%1).
Try to go to the update web page?</source>
        <translation>O servidor de atualizações respondeu com um erro (%1).
Ir para a página web de atualizações?</translation>
    </message>
    <message>
        <source>The update server did not answer in time.
Try to go to the update web page?</source>
        <translation>O servidor de atualizações não respondeu a tempo.
Ir para a página web de atualizações?</translation>
    </message>
    <message>
        <source>No internet connection is available.
Try to go to the update web page?</source>
        <translation>Nenhuma conexão com a Internet disponível.
Ir para a página web de atualizações?</translation>
    </message>
    <message>
        <source>The update information could not be read.
Try to go to the update web page?</source>
        <translation>Não foi possível ler as informações de atualização.
Ir para a página web de atualizações?</translation>
    </message>
    <message>
        <source>The newer version of %1 is available.
Go to the updates web page?</source>
        <translation>Uma versão mais recente de %1 está disponível.
Ir para a página web de atualizações?</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;You are using the latest version available.&lt;BR&gt;Go to the updates web page?&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;Você está usando a versão mais recente disponível.&lt;BR&gt;Ir para a página web de atualizações?&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::UpdaterDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – Notificação de atualizações</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>Verificar atualizações ao iniciar</translation>
    </message>
</context>
</TS>
