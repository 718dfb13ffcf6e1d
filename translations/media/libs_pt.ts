<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>QMRequest::FtpClient</name>
    <message>
        <source>Not connected to a server.</source>
        <translation>Não conectado a um servidor.</translation>
    </message>
    <message>
        <source>Another FTP command is still running.</source>
        <translation>Outro comando FTP ainda está em execução.</translation>
    </message>
    <message>
        <source>The host %1 was not found.</source>
        <translation>O host %1 não foi encontrado.</translation>
    </message>
    <message>
        <source>The connection to %1 was refused.</source>
        <translation>A conexão com %1 foi recusada.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>A conexão com o servidor foi perdida.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>O servidor não respondeu a tempo.</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>O servidor recusou o login: %1</translation>
    </message>
    <message>
        <source>The server refused the command: %1</source>
        <translation>O servidor recusou o comando: %1</translation>
    </message>
    <message>
        <source>The transfer failed: %1</source>
        <translation>A transferência falhou: %1</translation>
    </message>
    <message>
        <source>The local file could not be read or written: %1</source>
        <translation>Não foi possível ler ou gravar o arquivo local: %1</translation>
    </message>
    <message>
        <source>The name or device cannot be used for FTP.</source>
        <translation>O nome ou o dispositivo não pode ser usado para FTP.</translation>
    </message>
</context>
<context>
    <name>QMRequest::FtpGuiClient</name>
    <message>
        <source>FTP client</source>
        <translation>Cliente FTP</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Entrar</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>Rfr</source>
        <translation>Atu.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>LastModified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>Store %1 in the current folder</source>
        <translation>Gravar %1 na pasta atual</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Usuário:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Caminho:</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name, followed by &quot;:&quot; and the port where it is not 21.</source>
        <translation>Digite o nome do host do servidor, seguido de &quot;:&quot; e da porta quando não for 21.</translation>
    </message>
    <message>
        <source>Logged in to %1.</source>
        <translation>Conectado a %1.</translation>
    </message>
    <message>
        <source>Stored %1.</source>
        <translation>%1 gravado.</translation>
    </message>
</context>
</TS>
