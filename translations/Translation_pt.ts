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
        <source>A → Z</source>
        <translation>A → Z</translation>
    </message>
    <message>
        <source>Z → A</source>
        <translation>Z → A</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
        <source>Outlook PST Files (*.pst)</source>
        <translation>Arquivos PST do Outlook (*.pst)</translation>
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
</context>
<context>
    <name>PstTreeController</name>
    <message>
        <source>Show in File Manager</source>
        <translation>Mostrar no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Fechar arquivo</translation>
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
        <source>(%1 items)</source>
        <translation>(%1 itens)</translation>
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
</TS>
