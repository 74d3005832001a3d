<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Mais informações</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Rec&amp;ortar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Locali&amp;zar</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guia do usuário</translation>
    </message>
    <message>
        <source>Product FAQ</source>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Feedback e suporte</translation>
    </message>
    <message>
        <source>Show &amp;Log Folder</source>
        <translation>Mostrar pasta de &amp;log</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Verificar &amp;atualizações...</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>&amp;Sobre o %1</translation>
    </message>
</context>
<context>
    <name>ExportManager</name>
    <message>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>The desktop calendar and address book service (Evolution Data Server) cannot be reached. Please make sure it is installed and that this program runs inside your desktop session.</source>
        <translation>Não foi possível acessar o serviço de calendário e catálogo de endereços da área de trabalho (Evolution Data Server). Verifique se ele está instalado e se este programa está sendo executado na sua sessão da área de trabalho.</translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>Erro de rede. Verifique sua conexão!</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>O programa travou.</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>Envie o relatório de falha ao desenvolvedor. (%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>é atualmente a versão mais recente disponível.</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>Muitas solicitações. Tente novamente mais tarde.</translation>
    </message>
</context>
<context>
    <name>HtmlPrinter</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>ListViewSortMenu</name>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Assunto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>From / Name</source>
        <translation>De / Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Crescente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Decrescente</translation>
    </message>
</context>
<context>
    <name>LossNotice</name>
    <message numerus="yes">
        <source>%1: %n item(s) could not be shown (see the log).</source>
        <translation>
            <numerusform>%1: %n item não pôde ser exibido (veja o log).</numerusform>
            <numerusform>%1: %n itens não puderam ser exibidos (veja o log).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: damaged name map; task and journal details are missing.</source>
        <translation>%1: mapa de nomes danificado; faltam os detalhes de tarefas e do diário.</translation>
    </message>
    <message>
        <source>Items that are damaged, of unknown kinds or missing from the file&apos;s index.</source>
        <translation>Itens danificados, de tipos desconhecidos ou ausentes do índice do arquivo.</translation>
    </message>
</context>
<context>
    <name>MailPrintProvider</name>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Para:</translation>
    </message>
    <message>
        <source>Cc:</source>
        <translation>Cc:</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>Anexos:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Assunto:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>Show &amp;Hidden Folders</source>
        <translation>Mostrar pastas &amp;ocultas</translation>
    </message>
    <message>
        <source>Add or drag files here</source>
        <translation>Adicione ou arraste arquivos para cá</translation>
    </message>
    <message>
        <source>＋ Add File(s)</source>
        <translation>＋ Adicionar arquivos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Folder Tree</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>Item List</source>
        <translation>Itens</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>No Item Selected</source>
        <translation>Nenhum item selecionado</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error opening file!</source>
        <translation>Erro ao abrir o arquivo!</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Selecionar arquivo</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licenças</translation>
    </message>
    <message>
        <source>Outlook Data Files (*.pst *.ost)</source>
        <translation>Arquivos de dados do Outlook (*.pst *.ost)</translation>
    </message>
    <message>
        <source>Still Opening</source>
        <translation>Ainda abrindo</translation>
    </message>
    <message>
        <source>This file is still being read. Convert and Export can start once every folder shows its number of items.</source>
        <translation>Este arquivo ainda está sendo lido. Converter e Exportar podem começar quando cada pasta mostrar seu número de itens.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>No Outlook file at hand? In Lumaroo&apos;s source folder, ./scripts/run.sh opens a sample mailbox.</source>
        <translation>Não tem um arquivo do Outlook à mão? Na pasta do código-fonte do Lumaroo, ./scripts/run.sh abre uma caixa de correio de exemplo.</translation>
    </message>
</context>
<context>
    <name>MyWebViewWidget</name>
    <message>
        <source>Link not opened</source>
        <translation>Link não aberto</translation>
    </message>
    <message>
        <source>Only web and e-mail links are opened. This link was not opened:
%1</source>
        <translation>Somente links da web e de e-mail são abertos. Este link não foi aberto:
%1</translation>
    </message>
</context>
<context>
    <name>NativeMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>OutputFolderCheck</name>
    <message>
        <source>Cannot write to the output folder %1: %2.</source>
        <translation>Não é possível gravar na pasta de destino %1: %2.</translation>
    </message>
</context>
<context>
    <name>ProgramArguments</name>
    <message>
        <source>Browse, convert and print Outlook data files (.pst, .ost).
Every FILE is opened in the window; lumaroo-cli does the same without one.</source>
        <translation>Navegue, converta e imprima arquivos de dados do Outlook (.pst, .ost).
Cada ARQUIVO é aberto na janela; o lumaroo-cli faz o mesmo sem janela.</translation>
    </message>
    <message>
        <source>Outlook data files to open.</source>
        <translation>Arquivos de dados do Outlook a abrir.</translation>
    </message>
    <message>
        <source>Try &apos;lumaroo --help&apos; for more information.</source>
        <translation>Experimente &apos;lumaroo --help&apos; para mais informações.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>arquivo inexistente</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>arquivo ilegível</translation>
    </message>
</context>
<context>
    <name>PstExportDialog</name>
    <message>
        <source>Ignore Empty Folders</source>
        <translation>Ignorar pastas vazias</translation>
    </message>
    <message>
        <source>Choose the kinds of files to convert</source>
        <translation>Escolha os tipos de arquivo a converter</translation>
    </message>
    <message>
        <source>Choose the kinds of files to export to other apps</source>
        <translation>Escolha os tipos de arquivo a exportar para outros aplicativos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Mails</source>
        <translation>E-mails</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contatos</translation>
    </message>
    <message>
        <source>Export to the desktop address book</source>
        <translation>Exportar para o catálogo de endereços da área de trabalho</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Export to the desktop calendar</source>
        <translation>Exportar para o calendário da área de trabalho</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Diário</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tarefas</translation>
    </message>
    <message>
        <source>Mailbox (mbox)</source>
        <translation>Caixa de correio (mbox)</translation>
    </message>
    <message>
        <source>Maildir</source>
        <translation>Maildir</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>No items found to export.</source>
        <translation>Nenhum item encontrado para exportar.</translation>
    </message>
    <message>
        <source>Convert to *.%1 file</source>
        <translation>Converter em arquivo *.%1</translation>
    </message>
    <message>
        <source>Select export folder</source>
        <translation>Selecionar pasta de exportação</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>%1: %2 of %3 handed over, %4 failed.</source>
        <translation>%1: %2 de %3 entregues, %4 com falha.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 converted, %4 failed.</source>
        <translation>%1: %2 de %3 convertidos, %4 com falha.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Finished, but some items failed; the log names them.</source>
        <translation>Concluído, mas alguns itens falharam; o log os identifica.</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>Convert to one *.mbox file per folder</source>
        <translation>Converter em um arquivo *.mbox por pasta</translation>
    </message>
    <message>
        <source>Convert to a Maildir folder tree</source>
        <translation>Converter em uma árvore de pastas Maildir</translation>
    </message>
    <message>
        <source>Other items: %1</source>
        <translation>Outros itens: %1</translation>
    </message>
    <message>
        <source>%1 damaged, could not be read</source>
        <translation>%1 danificado(s), ilegível(is)</translation>
    </message>
    <message>
        <source>%1 of an unknown kind, not shown</source>
        <translation>%1 de tipo desconhecido, não exibido(s)</translation>
    </message>
    <message>
        <source>%1 missing from the file&apos;s index</source>
        <translation>%1 ausente(s) do índice do arquivo</translation>
    </message>
</context>
<context>
    <name>PstFileCheck</name>
    <message>
        <source>There is no file or folder of this name.</source>
        <translation>Não existe arquivo nem pasta com este nome.</translation>
    </message>
    <message>
        <source>The file cannot be reached: %1.</source>
        <translation>Não é possível acessar o arquivo: %1.</translation>
    </message>
    <message>
        <source>This is a folder, not a PST file.</source>
        <translation>Isto é uma pasta, não um arquivo PST.</translation>
    </message>
    <message>
        <source>This is a named pipe (FIFO), not a PST file: it can only be read once, as a stream.</source>
        <translation>Isto é um pipe nomeado (FIFO), não um arquivo PST: ele só pode ser lido uma vez, como um fluxo.</translation>
    </message>
    <message>
        <source>This is a device or special file, not a PST file.</source>
        <translation>Isto é um dispositivo ou arquivo especial, não um arquivo PST.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Não é possível ler o arquivo: %1.</translation>
    </message>
    <message>
        <source>This is not a PST file: it does not start with a PST file&apos;s signature.</source>
        <translation>Isto não é um arquivo PST: ele não começa com a assinatura de um arquivo PST.</translation>
    </message>
    <message>
        <source>This PST file is too short to hold a PST header (%1 bytes).</source>
        <translation>Este arquivo PST é curto demais para conter um cabeçalho PST (%1 bytes).</translation>
    </message>
</context>
<context>
    <name>PstItem</name>
    <message>
        <source>MMM dd, yyyy &apos;at&apos; hh:mm AP</source>
        <translation>dd &apos;de&apos; MMM &apos;de&apos; yyyy &apos;às&apos; HH:mm</translation>
    </message>
</context>
<context>
    <name>PstMailView</name>
    <message>
        <source>Attachments (%1)</source>
        <translation>Anexos (%1)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Back to the mail this one is attached to (%1)</source>
        <translation>Voltar à mensagem à qual esta está anexada (%1)</translation>
    </message>
</context>
<context>
    <name>PstParser</name>
    <message>
        <source>libpst cannot open this PST file: its header is damaged or of an unknown kind.</source>
        <translation>A libpst não consegue abrir este arquivo PST: o cabeçalho está danificado ou é de um tipo desconhecido.</translation>
    </message>
    <message>
        <source>The index of this PST file is damaged.</source>
        <translation>O índice deste arquivo PST está danificado.</translation>
    </message>
    <message>
        <source>Damaged folder %1</source>
        <translation>Pasta danificada %1</translation>
    </message>
</context>
<context>
    <name>PstTreeController</name>
    <message>
        <source>Close File</source>
        <translation>Fechar arquivo</translation>
    </message>
    <message>
        <source>The folder structure of this PST file cannot be read.</source>
        <translation>Não é possível ler a estrutura de pastas deste arquivo PST.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>%1 (opening…)</source>
        <translation>%1 (abrindo…)</translation>
    </message>
    <message>
        <source>%1 (opening… %2 items read)</source>
        <translation>%1 (abrindo… %2 itens lidos)</translation>
    </message>
    <message>
        <source>Cancel Opening</source>
        <translation>Cancelar abertura</translation>
    </message>
</context>
<context>
    <name>PstTreeModel</name>
    <message>
        <source>%1 (reading…)</source>
        <translation>%1 (lendo…)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save attachment</source>
        <translation>Salvar anexo</translation>
    </message>
    <message>
        <source>Appointment Details</source>
        <translation>Detalhes do compromisso</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Assunto</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Data de início</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Data de término</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Recurrence Details</source>
        <translation>Detalhes da recorrência</translation>
    </message>
    <message>
        <source>Recurrence Pattern</source>
        <translation>Padrão de recorrência</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Anotações</translation>
    </message>
    <message>
        <source>Empty name</source>
        <translation>Sem nome</translation>
    </message>
    <message>
        <source>Contact Name</source>
        <translation>Nome do contato</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Professional Information</source>
        <translation>Informações profissionais</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Departamento</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <translation>Telefones</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Comercial</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Residencial</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>Callback</source>
        <translation>Retorno de chamada</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Carro</translation>
    </message>
    <message>
        <source>Email Addresses</source>
        <translation>Endereços de e-mail</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>E-mail 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-mail 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-mail 3</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Fax (Primary)</source>
        <translation>Fax (principal)</translation>
    </message>
    <message>
        <source>Fax (Home)</source>
        <translation>Fax (residencial)</translation>
    </message>
    <message>
        <source>Fax (Business)</source>
        <translation>Fax (comercial)</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Endereços</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Endereço residencial</translation>
    </message>
    <message>
        <source>Business Address</source>
        <translation>Endereço comercial</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Outro endereço</translation>
    </message>
    <message>
        <source>Journal Entry</source>
        <translation>Entrada de diário</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>No sent date</source>
        <translation>Sem data de envio</translation>
    </message>
    <message>
        <source>Task Schedule</source>
        <translation>Cronograma da tarefa</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Data de conclusão</translation>
    </message>
    <message>
        <source>Task Status</source>
        <translation>Status da tarefa</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Proprietário</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Estimated work</source>
        <translation>Trabalho estimado</translation>
    </message>
    <message>
        <source>Actual work</source>
        <translation>Trabalho real</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>%1 % completed</source>
        <translation>%1% concluído</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>não iniciada</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>em andamento</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>concluída</translation>
    </message>
    <message>
        <source>waiting on someone else</source>
        <translation>aguardando outra pessoa</translation>
    </message>
    <message>
        <source>deferred</source>
        <translation>adiada</translation>
    </message>
    <message>
        <source>%1 d</source>
        <comment>days</comment>
        <translation>%1 d</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours</comment>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 m</source>
        <comment>minutes</comment>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 week</source>
        <translation>%1 semana</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 semanas</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 dia</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 dias</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 hora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>Para: %1</translation>
    </message>
    <message>
        <source>Cc: %1</source>
        <translation>Cc: %1</translation>
    </message>
    <message>
        <source>Bcc: %1</source>
        <translation>Cco: %1</translation>
    </message>
    <message>
        <source>Attached mail</source>
        <translation>E-mail anexado</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save as .eml...</source>
        <translation>Salvar como .eml...</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>anexo</translation>
    </message>
    <message>
        <source>Save attached mail</source>
        <translation>Salvar e-mail anexado</translation>
    </message>
    <message>
        <source>E-mail messages (*.eml)</source>
        <translation>Mensagens de e-mail (*.eml)</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n membro</numerusform>
            <numerusform>%n membros</numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution List</source>
        <translation>Lista de distribuição</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membros</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>%1, serial number %2</source>
        <translation>%1, número de série %2</translation>
    </message>
    <message>
        <source>the signer&apos;s certificate is not in the mail</source>
        <translation>o certificado do signatário não está no e-mail</translation>
    </message>
    <message>
        <source>the signed part is missing</source>
        <translation>a parte assinada está faltando</translation>
    </message>
    <message>
        <source>the signature names no signer</source>
        <translation>a assinatura não indica nenhum signatário</translation>
    </message>
    <message>
        <source>the mail is not encrypted</source>
        <translation>o e-mail não está criptografado</translation>
    </message>
    <message>
        <source>The message nests its parts too deeply; the deepest were not read.</source>
        <translation>A mensagem aninha suas partes profundamente demais; as mais profundas não foram lidas.</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>parte %1</translation>
    </message>
    <message>
        <source>The key file holds no private key with its certificate.</source>
        <translation>O arquivo de chave não contém nenhuma chave privada com seu certificado.</translation>
    </message>
    <message>
        <source>The key file could not be opened: wrong password or not a PKCS #12 file (%1).</source>
        <translation>Não foi possível abrir o arquivo de chave: senha incorreta ou não é um arquivo PKCS #12 (%1).</translation>
    </message>
    <message>
        <source>The key file %1 cannot be read: %2</source>
        <translation>Não é possível ler o arquivo de chave %1: %2</translation>
    </message>
    <message>
        <source>The mail is wrapped in too many signatures or encryptions to read.</source>
        <translation>O e-mail está envolto em assinaturas ou criptografias demais para ser lido.</translation>
    </message>
    <message>
        <source>The signed or encrypted message is damaged: it is not a MIME message.</source>
        <translation>A mensagem assinada ou criptografada está danificada: não é uma mensagem MIME.</translation>
    </message>
    <message>
        <source>the signature part is damaged (%1)</source>
        <translation>a parte da assinatura está danificada (%1)</translation>
    </message>
    <message>
        <source>The signature carries no message.</source>
        <translation>A assinatura não contém nenhuma mensagem.</translation>
    </message>
    <message>
        <source>The mail holds a kind of S/MIME structure that cannot be shown.</source>
        <translation>O e-mail contém um tipo de estrutura S/MIME que não pode ser exibido.</translation>
    </message>
    <message>
        <source>The signed or encrypted message is damaged or truncated (%1).</source>
        <translation>A mensagem assinada ou criptografada está danificada ou truncada (%1).</translation>
    </message>
    <message>
        <source>The chosen key cannot decrypt this mail (%1).</source>
        <translation>A chave escolhida não pode descriptografar este e-mail (%1).</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>um signatário desconhecido</translation>
    </message>
    <message>
        <source>Signed by %1</source>
        <translation>Assinado por %1</translation>
    </message>
    <message>
        <source>Signed by %1 on %2</source>
        <translation>Assinado por %1 em %2</translation>
    </message>
    <message>
        <source>Signature valid</source>
        <translation>Assinatura válida</translation>
    </message>
    <message>
        <source>Signature invalid: the mail was changed after it was signed</source>
        <translation>Assinatura inválida: o e-mail foi alterado depois de assinado</translation>
    </message>
    <message>
        <source>Signature could not be checked: %1</source>
        <translation>Não foi possível verificar a assinatura: %1</translation>
    </message>
    <message>
        <source>Certificate trusted on this computer</source>
        <translation>Certificado confiável neste computador</translation>
    </message>
    <message>
        <source>Certificate not trusted on this computer</source>
        <translation>Certificado não confiável neste computador</translation>
    </message>
    <message>
        <source>Certificate not trusted on this computer (%1)</source>
        <translation>Certificado não confiável neste computador (%1)</translation>
    </message>
    <message>
        <source>key id %1</source>
        <translation>id da chave %1</translation>
    </message>
    <message>
        <source>unknown recipients</source>
        <translation>destinatários desconhecidos</translation>
    </message>
    <message>
        <source>Encrypted for %1; decrypted with your key</source>
        <translation>Criptografado para %1; descriptografado com sua chave</translation>
    </message>
    <message>
        <source>Encrypted for %1</source>
        <translation>Criptografado para %1</translation>
    </message>
    <message>
        <source>The mail&apos;s smime.p7m holds neither a signature nor an encrypted message.</source>
        <translation>O smime.p7m do e-mail não contém nem uma assinatura nem uma mensagem criptografada.</translation>
    </message>
    <message>
        <source>the key&apos;s certificate is not among the recipients</source>
        <translation>o certificado da chave não está entre os destinatários</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>All day</source>
        <translation>O dia todo</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Onde</translation>
    </message>
    <message>
        <source>Organizer</source>
        <translation>Organizador</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obrigatórios</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcionais</translation>
    </message>
    <message numerus="yes">
        <source>All day, %n day(s)</source>
        <translation>
            <numerusform>O dia todo, %n dia</numerusform>
            <numerusform>O dia todo, %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Tratamento</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Nome do meio</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Sufixo</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Apelido</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>Escritório</translation>
    </message>
    <message>
        <source>Profession</source>
        <translation>Profissão</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Gerente</translation>
    </message>
    <message>
        <source>Assistant</source>
        <translation>Assistente</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Business 2</source>
        <translation>Comercial 2</translation>
    </message>
    <message>
        <source>Company Main</source>
        <translation>Principal da empresa</translation>
    </message>
    <message>
        <source>Home 2</source>
        <translation>Residencial 2</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>ISDN</source>
        <translation>ISDN</translation>
    </message>
    <message>
        <source>TTY/TDD</source>
        <translation>TTY/TDD</translation>
    </message>
    <message>
        <source>Telex</source>
        <translation>Telex</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Páginas da Web</translation>
    </message>
    <message>
        <source>Business Web Page</source>
        <translation>Página da Web comercial</translation>
    </message>
    <message>
        <source>Personal Web Page</source>
        <translation>Página da Web pessoal</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informações pessoais</translation>
    </message>
    <message>
        <source>Spouse</source>
        <translation>Cônjuge</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Passatempos</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Aniversário de casamento</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Aniversário</translation>
    </message>
    <message numerus="yes">
        <source>(%n item(s))</source>
        <translation>
            <numerusform>(%n item)</numerusform>
            <numerusform>(%n itens)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Nenhum arquivo recente</translation>
    </message>
</context>
<context>
    <name>SearchController</name>
    <message>
        <source>Choose a file in the folder list to search it.</source>
        <translation>Escolha um arquivo na lista de pastas para pesquisá-lo.</translation>
    </message>
    <message>
        <source>The search index could not be read: %1</source>
        <translation>Não foi possível ler o índice de pesquisa: %1</translation>
    </message>
    <message>
        <source>This file is not indexed yet, so nothing was searched.</source>
        <translation>Este arquivo ainda não foi indexado, então nada foi pesquisado.</translation>
    </message>
    <message>
        <source>No items found</source>
        <translation>Nenhum item encontrado</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) found</source>
        <translation>
            <numerusform>%n item encontrado</numerusform>
            <numerusform>%n itens encontrados</numerusform>
        </translation>
    </message>
    <message>
        <source>The first %1 items found</source>
        <translation>Os primeiros %1 itens encontrados</translation>
    </message>
    <message>
        <source>Only %1 of %2 items are indexed so far: more may be found.</source>
        <translation>Até agora só %1 de %2 itens foram indexados: mais resultados podem aparecer.</translation>
    </message>
    <message>
        <source>Only %1 items are indexed so far: more may be found.</source>
        <translation>Até agora só %1 itens foram indexados: mais resultados podem aparecer.</translation>
    </message>
    <message>
        <source>Indexing %1 of %2 items</source>
        <translation>Indexando %1 de %2 itens</translation>
    </message>
    <message>
        <source>Indexing…</source>
        <translation>Indexando…</translation>
    </message>
    <message>
        <source>The search index is not complete.</source>
        <translation>O índice de pesquisa não está completo.</translation>
    </message>
    <message>
        <source>The search index is not complete: %1</source>
        <translation>O índice de pesquisa não está completo: %1</translation>
    </message>
    <message>
        <source>This item could not be read from the file.</source>
        <translation>Não foi possível ler este item do arquivo.</translation>
    </message>
</context>
<context>
    <name>SearchIndex</name>
    <message>
        <source>This file has no search index yet.</source>
        <translation>Este arquivo ainda não tem índice de pesquisa.</translation>
    </message>
    <message>
        <source>The search index of this file is damaged and must be built again.</source>
        <translation>O índice de pesquisa deste arquivo está danificado e precisa ser criado novamente.</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation>A pesquisa falhou: %1</translation>
    </message>
</context>
<context>
    <name>SearchIndexWriter</name>
    <message>
        <source>The file %1 is gone.</source>
        <translation>O arquivo %1 não existe mais.</translation>
    </message>
    <message>
        <source>Cannot create the search index folder %1.</source>
        <translation>Não é possível criar a pasta do índice de pesquisa %1.</translation>
    </message>
    <message>
        <source>Cannot create the search index in %1: %2.</source>
        <translation>Não é possível criar o índice de pesquisa em %1: %2.</translation>
    </message>
    <message>
        <source>The search index %1 is being written by another process.</source>
        <translation>O índice de pesquisa %1 está sendo gravado por outro processo.</translation>
    </message>
    <message>
        <source>Cannot replace the search index %1: %2.</source>
        <translation>Não é possível substituir o índice de pesquisa %1: %2.</translation>
    </message>
    <message>
        <source>Cannot create the search index %1: %2.</source>
        <translation>Não é possível criar o índice de pesquisa %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the search index %1: %2.</source>
        <translation>Não é possível gravar o índice de pesquisa %1: %2.</translation>
    </message>
</context>
<context>
    <name>SearchIndexer</name>
    <message>
        <source>The search index cannot be saved: the folder %1 is not writable.</source>
        <translation>Não é possível salvar o índice de pesquisa: a pasta %1 não permite gravação.</translation>
    </message>
    <message>
        <source>The search index cannot be saved: the disk is full (%1).</source>
        <translation>Não é possível salvar o índice de pesquisa: o disco está cheio (%1).</translation>
    </message>
    <message>
        <source>The file cannot be read for searching: %1</source>
        <translation>Não é possível ler o arquivo para pesquisa: %1</translation>
    </message>
    <message>
        <source>The search index cannot be saved: %1</source>
        <translation>Não é possível salvar o índice de pesquisa: %1</translation>
    </message>
    <message>
        <source>The search index cannot be built: lumaroo-cli is missing beside the program.</source>
        <translation>Não é possível criar o índice de pesquisa: o lumaroo-cli não está ao lado do programa.</translation>
    </message>
    <message>
        <source>Indexing was cancelled: searches cover only the items indexed so far.</source>
        <translation>A indexação foi cancelada: as pesquisas abrangem apenas os itens já indexados.</translation>
    </message>
    <message>
        <source>Indexing stopped unexpectedly: searches cover only the items indexed so far.</source>
        <translation>A indexação parou inesperadamente: as pesquisas abrangem apenas os itens já indexados.</translation>
    </message>
    <message>
        <source>The search index cannot be built: lumaroo-cli could not be started.</source>
        <translation>Não é possível criar o índice de pesquisa: não foi possível iniciar o lumaroo-cli.</translation>
    </message>
</context>
<context>
    <name>SearchQuery</name>
    <message>
        <source>The after: date must come before the before: date.</source>
        <translation>A data de after: deve vir antes da data de before:.</translation>
    </message>
    <message>
        <source>%1 needs a word or a &quot;phrase&quot;.</source>
        <translation>%1 precisa de uma palavra ou de uma &quot;frase&quot;.</translation>
    </message>
    <message>
        <source>Unknown operator %1 (known: from:, to:, subject:, has:, kind:, after:, before:, folder:).</source>
        <translation>Operador desconhecido %1 (conhecidos: from:, to:, subject:, has:, kind:, after:, before:, folder:).</translation>
    </message>
    <message>
        <source>%1 cannot be excluded with &quot;-&quot;.</source>
        <translation>%1 não pode ser excluído com &quot;-&quot;.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 precisa de um valor.</translation>
    </message>
    <message>
        <source>has: takes only &quot;attachment&quot;, not &quot;%1&quot;.</source>
        <translation>has: aceita apenas &quot;attachment&quot;, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown kind &quot;%1&quot; (known: %2).</source>
        <translation>Tipo desconhecido &quot;%1&quot; (conhecidos: %2).</translation>
    </message>
    <message>
        <source>%1 needs a date written YYYY-MM-DD, not &quot;%2&quot;.</source>
        <translation>%1 precisa de uma data no formato YYYY-MM-DD, não &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>A quotation mark is not closed.</source>
        <translation>Há aspas que não foram fechadas.</translation>
    </message>
</context>
<context>
    <name>SearchScopeBox</name>
    <message>
        <source>This folder</source>
        <translation>Esta pasta</translation>
    </message>
    <message>
        <source>All folders</source>
        <translation>Todas as pastas</translation>
    </message>
    <message>
        <source>Search the folder on show or every folder of the file</source>
        <translation>Pesquisar na pasta exibida ou em todas as pastas do arquivo</translation>
    </message>
    <message>
        <source>Search in</source>
        <translation>Pesquisar em</translation>
    </message>
</context>
<context>
    <name>SearchStatusLine</name>
    <message>
        <source>Index Now</source>
        <translation>Indexar agora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SmimePanel</name>
    <message>
        <source>Decrypt with a Key...</source>
        <translation>Descriptografar com uma chave...</translation>
    </message>
    <message>
        <source>Choose your key</source>
        <translation>Escolha sua chave</translation>
    </message>
    <message>
        <source>Keys with certificate (*.p12 *.pfx)</source>
        <translation>Chaves com certificado (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Key password</source>
        <translation>Senha da chave</translation>
    </message>
    <message>
        <source>Password of the key file:</source>
        <translation>Senha do arquivo de chave:</translation>
    </message>
    <message>
        <source>Cannot decrypt</source>
        <translation>Não é possível descriptografar</translation>
    </message>
</context>
<context>
    <name>ThirdPartyNotices</name>
    <message>
        <source>Licences</source>
        <translation>Licenças</translation>
    </message>
</context>
<context>
    <name>UnopenedTarget</name>
    <message>
        <source>Could Not Open</source>
        <translation>Não foi possível abrir</translation>
    </message>
    <message>
        <source>No program on this desktop could open it. It is here:</source>
        <translation>Nenhum programa desta área de trabalho conseguiu abri-lo. Ele está aqui:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The list of releases could not be read.</source>
        <translation>Não foi possível ler a lista de versões.</translation>
    </message>
    <message>
        <source>%1 %2 is available. You are using version %3.</source>
        <translation>%1 %2 está disponível. Você está usando a versão %3.</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Não foi possível verificar se há atualizações.</translation>
    </message>
    <message>
        <source>The update server answered with error %1.</source>
        <translation>O servidor de atualizações respondeu com o erro %1.</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>Guia do usuário do %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Some files could not be opened</source>
        <translation>Alguns arquivos não puderam ser abertos</translation>
    </message>
</context>
</TS>
