<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>Não é possível reproduzir este arquivo: ele não existe, não pode ser lido ou não é um arquivo de som.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
</context>
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
    <message>
        <source>The FTP command was cancelled.</source>
        <translation>O comando FTP foi cancelado.</translation>
    </message>
    <message>
        <source>The server sent more than the client takes: %1</source>
        <translation>O servidor enviou mais do que o cliente aceita: %1</translation>
    </message>
    <message>
        <source>the command took longer than %1 ms</source>
        <translation>o comando levou mais de %1 ms</translation>
    </message>
    <message>
        <source>a reply of more than %1 bytes</source>
        <translation>uma resposta de mais de %1 bytes</translation>
    </message>
    <message>
        <source>a listing of more than %1 bytes</source>
        <translation>uma listagem de mais de %1 bytes</translation>
    </message>
    <message>
        <source>%1 of %2 bytes arrived</source>
        <translation>chegaram %1 de %2 bytes</translation>
    </message>
    <message>
        <source>no complete reply within %1 ms</source>
        <translation>nenhuma resposta completa em %1 ms</translation>
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
<context>
    <name>TickwrenAudio::AudioRecorder</name>
    <message>
        <source>The recording settings are not valid: %1 Hz, %2 channels.</source>
        <translation>As configurações de gravação não são válidas: %1 Hz, %2 canais.</translation>
    </message>
    <message>
        <source>AAC needs a bit rate above 0, not %1.</source>
        <translation>AAC precisa de uma taxa de bits acima de 0, não %1.</translation>
    </message>
    <message>
        <source>No file name was given for the recording.</source>
        <translation>Nenhum nome de arquivo foi dado para a gravação.</translation>
    </message>
    <message>
        <source>No sound input was found: the sound server is not running or has no input.</source>
        <translation>Nenhuma entrada de som encontrada: o servidor de som não está em execução ou não tem entrada.</translation>
    </message>
    <message>
        <source>The sound input %1 does not take %2 Hz with %3 channels.</source>
        <translation>A entrada de som %1 não aceita %2 Hz com %3 canais.</translation>
    </message>
    <message>
        <source>The sound input %1 could not be opened.</source>
        <translation>Não foi possível abrir a entrada de som %1.</translation>
    </message>
    <message>
        <source>The recording could not be completed: %1</source>
        <translation>Não foi possível concluir a gravação: %1</translation>
    </message>
    <message>
        <source>The recording could not be written: %1</source>
        <translation>Não foi possível gravar a gravação no arquivo: %1</translation>
    </message>
    <message>
        <source>The sound input stopped during the recording.</source>
        <translation>A entrada de som parou durante a gravação.</translation>
    </message>
    <message>
        <source>The file format does not take %1 Hz with %2 channels.</source>
        <translation>O formato de arquivo não aceita %1 Hz com %2 canais.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Não foi possível gravar o arquivo %1: %2</translation>
    </message>
    <message>
        <source>The recording settings name no known encoding.</source>
        <translation>As configurações de gravação não indicam nenhuma codificação conhecida.</translation>
    </message>
    <message>
        <source>Linear PCM is recorded into .wav, .aif, .aiff or .caf files, not into %1.</source>
        <translation>PCM linear é gravado em arquivos .wav, .aif, .aiff ou .caf, não em %1.</translation>
    </message>
    <message>
        <source>AAC is recorded into .m4a, .mp4, .aac or .caf files, not into %1.</source>
        <translation>AAC é gravado em arquivos .m4a, .mp4, .aac ou .caf, não em %1.</translation>
    </message>
    <message>
        <source>The AAC encoder is not available.</source>
        <translation>O codificador AAC não está disponível.</translation>
    </message>
    <message>
        <source>The AAC encoder does not take %1 Hz with %2 channels at %3 bits per second.</source>
        <translation>O codificador AAC não aceita %1 Hz com %2 canais a %3 bits por segundo.</translation>
    </message>
</context>
</TS>
