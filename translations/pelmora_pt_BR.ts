<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppraisalDetails</name>
    <message>
        <source>NPV is exactly zero at one of the search&apos;s points, and the search only stops where NPV changes sign.</source>
        <translation>O VPL é exatamente zero em um dos pontos da busca, e a busca só para onde o VPL muda de sinal.</translation>
    </message>
    <message>
        <source>Two IRRs lie within one step of 0.1, so NPV shows no change of sign between the search&apos;s points.</source>
        <translation>Duas TIRs ficam a menos de um passo de 0,1, e o VPL não muda de sinal entre os pontos da busca.</translation>
    </message>
    <message>
        <source>The search stops at the first change of sign from its start.</source>
        <translation>A busca para na primeira mudança de sinal a partir do seu início.</translation>
    </message>
    <message>
        <source>This series has no flows.</source>
        <translation>Esta série não tem fluxos.</translation>
    </message>
    <message>
        <source>Every flow of this series is zero: NPV is zero at every rate.</source>
        <translation>Todos os fluxos desta série são zero: o VPL é zero a qualquer taxa.</translation>
    </message>
    <message>
        <source>This series has period 0 only: it has no rate of return.</source>
        <translation>Esta série tem só o período 0: não tem taxa de retorno.</translation>
    </message>
    <message>
        <source>This series has exactly one IRR: %1.</source>
        <translation>Esta série tem exatamente uma TIR: %1.</translation>
    </message>
    <message>
        <source>This series has several IRRs: %1. IRR cannot rank this project: compare by NPV or MIRR.</source>
        <translation>Esta série tem várias TIRs: %1. A TIR não pode classificar este projeto: compare pelo VPL ou pela TIRM.</translation>
    </message>
    <message>
        <source>No IRR between %1 and %2: NPV stays above zero.</source>
        <translation>Nenhuma TIR entre %1 e %2: o VPL fica acima de zero.</translation>
    </message>
    <message>
        <source>No IRR between %1 and %2: NPV stays below zero.</source>
        <translation>Nenhuma TIR entre %1 e %2: o VPL fica abaixo de zero.</translation>
    </message>
    <message>
        <source>The IRR cell is blank, but this series has the IRRs %1.</source>
        <translation>A célula da TIR está vazia, mas esta série tem as TIRs %1.</translation>
    </message>
    <message>
        <source>The IRR cell shows %1, but this series has the IRRs %2.</source>
        <translation>A célula da TIR mostra %1, mas esta série tem as TIRs %2.</translation>
    </message>
    <message>
        <source>The IRR cell is blank: the search starts at 0 % when the discount rate is not negative.</source>
        <translation>A célula da TIR está vazia: a busca começa em 0 % quando a taxa de desconto não é negativa.</translation>
    </message>
    <message>
        <source>At %1 NPV touches zero without changing sign: a double root.</source>
        <translation>Em %1 o VPL toca o zero sem mudar de sinal: uma raiz dupla.</translation>
    </message>
    <message>
        <source>Period 0 is not an investment: PI is undefined (its cell shows %1).</source>
        <translation>O período 0 não é um investimento: o IL não é definido (a sua célula mostra %1).</translation>
    </message>
</context>
<context>
    <name>DocumentSlots</name>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>At most 20 project windows can be open at once. Close one to open another.</source>
        <translation>No máximo 20 janelas de projeto podem estar abertas ao mesmo tempo. Feche uma para abrir outra.</translation>
    </message>
    <message>
        <source>Do you want to save changes to </source>
        <translation>Deseja salvar as alterações feitas em </translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>A&amp;brir...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Encerrar</translation>
    </message>
    <message>
        <source>Va&amp;lorix</source>
        <translation>Va&amp;lorix</translation>
    </message>
    <message>
        <source>&amp;Graph Properties</source>
        <translation>&amp;Propriedades Gráficas</translation>
    </message>
    <message>
        <source>&amp;Print Chart</source>
        <translation>&amp;Imprimir Gráfico</translation>
    </message>
    <message>
        <source>&amp;Copy Chart</source>
        <translation>&amp;Copiar Gráfico</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;Ferramentas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;Status</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;uxílio</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Auxílio Geral</translation>
    </message>
    <message>
        <source>&amp;About Valorix</source>
        <translation>&amp;Sobre Valorix</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Appraisal &amp;Details...</source>
        <translation>&amp;Detalhes da Análise...</translation>
    </message>
    <message>
        <source>&amp;Excel</source>
        <translation>&amp;Excel</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Graph Properties</source>
        <translation>Propriedades Gráficas</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Imprimir Gráfico</translation>
    </message>
    <message>
        <source>Copy Chart</source>
        <translation>Copiar Gráfico</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Help - Contents</source>
        <translation>Auxílio Geral</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Encerrar</translation>
    </message>
</context>
<context>
    <name>QtPrinterServices</name>
    <message>
        <source>Print to PDF File</source>
        <translation>Imprimir em Arquivo PDF</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>Good afternoon</source>
        <translation>Boa tarde</translation>
    </message>
    <message>
        <source>Good morning</source>
        <translation>Bom dia</translation>
    </message>
    <message>
        <source>Good evening</source>
        <translation>Boa noite</translation>
    </message>
    <message>
        <source>. Welcome to Valorix.</source>
        <translation>. Bem-vindo ao Valorix.</translation>
    </message>
    <message>
        <source>Edit Paste (chart&apos;s data)</source>
        <translation>Editar Colar (dados do gráfico)</translation>
    </message>
    <message>
        <source> and Edit Paste Special (chart bitmap)</source>
        <translation> e Editar Colar Especial (gráfico bitmap)</translation>
    </message>
</context>
<context>
    <name>pelmora::AppraisalDetailsDialog</name>
    <message>
        <source>Appraisal Details</source>
        <translation>Detalhes da Análise</translation>
    </message>
    <message>
        <source>MIRR finance rate (%)</source>
        <translation>Taxa de financiamento da TIRM (%)</translation>
    </message>
    <message>
        <source>MIRR reinvestment rate (%)</source>
        <translation>Taxa de reinvestimento da TIRM (%)</translation>
    </message>
</context>
<context>
    <name>pelmora::AppraisalDetailsModel</name>
    <message>
        <source>NPV</source>
        <translation>VPL</translation>
    </message>
    <message>
        <source>IRR</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>Sign changes</source>
        <translation>Trocas de sinal</translation>
    </message>
    <message>
        <source>MIRR</source>
        <translation>TIRM</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Payback</translation>
    </message>
    <message>
        <source>Discounted payback</source>
        <translation>Payback descontado</translation>
    </message>
    <message>
        <source>NFV</source>
        <translation>VFL</translation>
    </message>
    <message>
        <source>PI</source>
        <translation>IL</translation>
    </message>
    <message>
        <source>Diagnosis</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>Project A</source>
        <translation>Projeto A</translation>
    </message>
    <message>
        <source>Incremental</source>
        <translation>Incremental</translation>
    </message>
    <message>
        <source>Project B</source>
        <translation>Projeto B</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>indefinido</translation>
    </message>
    <message>
        <source>%1 (IRR cell)</source>
        <translation>%1 (célula da TIR)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>never within the project&apos;s life</source>
        <translation>nunca dentro da vida do projeto</translation>
    </message>
    <message>
        <source>%1 (double root)</source>
        <translation>%1 (raiz dupla)</translation>
    </message>
    <message>
        <source>0 (nothing to recover)</source>
        <translation>0 (nada a recuperar)</translation>
    </message>
</context>
<context>
    <name>pelmora::CashFlowGrid</name>
    <message>
        <source>Net Present Value (PV - Inv)</source>
        <translation>VPL Valor Presente Líquido (PV - Inv)</translation>
    </message>
    <message>
        <source>Internal Rate of Return</source>
        <translation>TIR Taxa Interna de Retorno</translation>
    </message>
    <message>
        <source>Profitability Index (PV / Inv)</source>
        <translation>IL Indice de Lucratividade (PV / Inv)</translation>
    </message>
    <message>
        <source>Uniform Net Benefit (PV = NPV)</source>
        <translation>Benefício Líquido Uniforme (PV = NPV)</translation>
    </message>
</context>
<context>
    <name>pelmora::ProjectWindowWidget</name>
    <message>
        <source>Number of periods</source>
        <translation>Número de períodos</translation>
    </message>
    <message>
        <source>Interest rate</source>
        <translation>Taxa de juros</translation>
    </message>
    <message>
        <source>Present Value</source>
        <translation>Valor Presente</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pagamento</translation>
    </message>
    <message>
        <source>Future Value</source>
        <translation>Valor Futuro</translation>
    </message>
    <message>
        <source>Decimal places</source>
        <translation>Casas decimais</translation>
    </message>
    <message>
        <source>Payment number</source>
        <translation>Número do Pagamento</translation>
    </message>
    <message>
        <source>Amortization</source>
        <translation>Amortização</translation>
    </message>
    <message>
        <source>Interest of payment</source>
        <translation>Juros do Pagamento</translation>
    </message>
    <message>
        <source>Balance Due</source>
        <translation>Saldo Devedor</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Total de Juros</translation>
    </message>
    <message>
        <source>Cell entry</source>
        <translation>Entrada da célula</translation>
    </message>
    <message>
        <source>NPV profile of projects A and B by discount rate</source>
        <translation>Perfil do VPL dos projetos A e B por taxa de desconto</translation>
    </message>
    <message>
        <source>Rate axis scale</source>
        <translation>Escala do eixo das taxas</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>Nota de rodapé</translation>
    </message>
    <message>
        <source>Cash flows of project A by period</source>
        <translation>Fluxos de caixa do projeto A por período</translation>
    </message>
    <message>
        <source>Cash flows of project B by period</source>
        <translation>Fluxos de caixa do projeto B por período</translation>
    </message>
    <message>
        <source>Amortization schedule</source>
        <translation>Tabela de amortização</translation>
    </message>
</context>
<context>
    <name>pelmora::fopcoes</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Linguagem</translation>
    </message>
    <message>
        <source>Language used in Valorix</source>
        <translation>Linguagem usada em Valorix</translation>
    </message>
    <message>
        <source>List Separator</source>
        <translation>Separador de Lista</translation>
    </message>
</context>
<context>
    <name>pelmora::fprinter</name>
    <message>
        <source>Setup...</source>
        <translation>Configurar..</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>pelmora::fsobre</name>
    <message>
        <source>Warning: this program is protected by copyright. Copying it, lending it or passing it on without the written permission of Pelmora Software is not allowed and may be prosecuted.</source>
        <translation>Aviso: este programa é protegido por direitos autorais. Copiá-lo, emprestá-lo ou repassá-lo sem a permissão por escrito da Pelmora Software não é permitido e pode ser punido por lei.</translation>
    </message>
    <message>
        <source>Corporate Valorix: financial appraisal of investment projects</source>
        <translation>Corporate Valorix: análise financeira de projetos de investimento</translation>
    </message>
</context>
<context>
    <name>pelmora::fvalorix</name>
    <message>
        <source>Sorry, I did not find your Browser</source>
        <translation>Desculpe, não encontrei o seu Browser</translation>
    </message>
    <message>
        <source>System Message</source>
        <translation>Menssagem do Sistema</translation>
    </message>
    <message>
        <source>Valorix is ready for </source>
        <translation>Valorix está pronto para </translation>
    </message>
</context>
</TS>
